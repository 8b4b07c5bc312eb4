#pragma once

#include <QDateTime>
#include <QPrinterInfo>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "book/client.h"
#include "print/letterhead.h"
#include "print/many_reports.h"

class QPrinter;
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
public:
    BatchReport(book::ClientBook& book, platform::Services& services, QWidget* parent);

    // Where the pages go and when they are made: the desktop's file chooser,
    // the default printer and the system clock unless a test says otherwise.
    using AskFileName = std::function<QString(QWidget* parent, const QString& suggestedPath)>;
    using FindPrinter = std::function<QPrinterInfo()>;
    void setAskFileName(AskFileName ask) { ask_ = std::move(ask); }
    void setFindPrinter(FindPrinter find) { find_ = std::move(find); }
    void setClock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }
    // The letterhead of every page; by default the one the user keeps.
    void setLetterhead(std::optional<print::Letterhead> letterhead) {
        letterhead_ = std::move(letterhead);
        letterheadSet_ = true;
    }
    // Learns of every page before it is made (from 1); false stops the run as
    // «Отмена» in the progress dialog does.
    void setOnPage(std::function<bool(int page, int total)> onPage) { onPage_ = std::move(onPage); }

    enum class Outcome { Done, Cancelled, Failed };
    Outcome toPdf(const std::vector<book::Client>& clients);
    // On the default printer as one job; with no printer, into a PDF file.
    Outcome toPrinter(const std::vector<book::Client>& clients);

private:
    // Into the file at `path`, or onto `printer` when the path is empty.
    Outcome run(const std::vector<book::Client>& clients, const QString& path,
                const QPrinterInfo& printer);
    // Who got a page and who was left out, and why.
    struct Tally {
        std::vector<qint64> printed;
        QStringList skipped;
    };
    // The client's page, or false when their date has no forecast.
    static bool takePage(const book::Client& client, print::ReportPage& page, Tally& tally);
    // Marks the clients printed and tells how the run went.
    Outcome finish(const print::ManyResult& result, const Tally& tally, const QString& path,
                   const QPrinterInfo& printer);
    std::optional<print::Letterhead> letterhead();
    void tell(const QString& text, platform::MessageIcon icon) const;

    book::ClientBook& book_;
    platform::Services& services_;
    QWidget* parent_;
    AskFileName ask_;
    FindPrinter find_;
    std::function<QDateTime()> clock_;
    std::optional<print::Letterhead> letterhead_;
    bool letterheadSet_ = false;
    std::function<bool(int, int)> onPage_;
};

}  // namespace ui
