#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "book/client.h"
#include "print/booklet_pages.h"
#include "print/delivery.h"
#include "print/letterhead.h"
#include "print/many_reports.h"

class QWidget;

namespace book {
class ClientBook;
}

namespace platform {
class Services;
enum class MessageIcon;
}  // namespace platform

namespace ui {

// «Отчёты в PDF…» and «Напечатать выбранных…» of the client book: one report
// per client, in the order given, each page the client's own single report.
// A progress dialog («Клиент N из M») shows the run and can stop it; a stopped
// or failed run leaves no file and prints nothing further. Clients whose date
// has no forecast are left out and named in one message at the end; each
// client printed gets "last printed" and a line in their history, all in
// one step.
class BatchReport {
    Q_DECLARE_TR_FUNCTIONS(ui::BatchReport)

public:
    BatchReport(book::ClientBook& book, platform::Services& services, QWidget* parent);

    // Where the pages go and when they are made: the desktop's file chooser,
    // the default printer and the system clock unless a test says otherwise.
    void setAskFileName(print::PrintDelivery::AskFileName ask) {
        delivery_.setAskFileName(std::move(ask));
    }
    void setFindPrinter(print::PrintDelivery::FindPrinter find) {
        delivery_.setFindPrinter(std::move(find));
    }
    void setClock(std::function<QDateTime()> clock) {
        clock_ = clock;
        delivery_.setClock(std::move(clock));
    }
    // The letterhead of every page; by default the one the user keeps.
    void setLetterhead(std::optional<print::Letterhead> letterhead) {
        delivery_.setLetterhead(std::move(letterhead));
    }
    // Learns of every page before it is made (from 1); false stops the run as
    // «Отмена» in the progress dialog does.
    void setOnPage(std::function<bool(int page, int total)> onPage) {
        delivery_.setOnProgress(std::move(onPage));
    }

    enum class Outcome { Done, Cancelled, Failed };
    Outcome toPdf(const std::vector<book::Client>& clients);
    // On the default printer as one job; with no printer, into a PDF file.
    Outcome toPrinter(const std::vector<book::Client>& clients);
    // «Подробный отчёт…»: each client's booklet, one after another, in place
    // of their one page; the sections, the span and the letterhead as the
    // booklet dialog last chose them, the words the practitioner's own.
    Outcome bookletsToPdf(const std::vector<book::Client>& clients);
    Outcome bookletsToPrinter(const std::vector<book::Client>& clients);

private:
    // Who got a page and who was left out, and why.
    struct Tally {
        std::vector<qint64> printed;
        QStringList skipped;
        QString text() const;
    };
    Outcome run(const std::vector<book::Client>& clients, print::ReportTarget target,
                bool booklets);
    // The booklets of the pages as the booklet dialog last chose them.
    print::BookletSource bookletSource(print::PageSource pages, const QDateTime& now);
    // The client's page, or false when their date has no forecast.
    static bool takePage(const book::Client& client, print::ReportPage& page, Tally& tally);
    // Marks the clients printed and tells how the run went.
    Outcome finish(print::PrintDelivery::Outcome outcome, const Tally& tally, bool booklets);
    void tell(const QString& text, platform::MessageIcon icon) const;

    book::ClientBook& book_;
    platform::Services& services_;
    QWidget* parent_;
    print::PrintDelivery delivery_;
    std::function<QDateTime()> clock_;
};

}  // namespace ui
