#include "ui/batch_report.h"

#include <QCoreApplication>
#include <QDir>

#include "book/client_book.h"
#include "platform/services.h"
#include "print/many_reports.h"
#include "print/save_place.h"

namespace ui {

namespace {

constexpr int kMaxSkippedShown = 20;

QString title() {
    return QCoreApplication::translate("ui::BatchReport", "Картотека клиентов");
}

// A client with no name at all is still named in the list of those left out.
QString listedName(const book::Client& c) {
    const QString names = core::fullName(c.names());
    return names.isEmpty() ? QCoreApplication::translate("ui::BatchReport", "(без имени)") : names;
}

}  // namespace

BatchReport::BatchReport(book::ClientBook& book, platform::Services& services, QWidget* parent)
    : book_(book), services_(services), parent_(parent), delivery_(services, parent) {}

void BatchReport::tell(const QString& text, platform::MessageIcon icon) const {
    services_.message(parent_, {text, title(), icon, 0});
}

BatchReport::Outcome BatchReport::toPdf(const std::vector<book::Client>& clients) {
    return run(clients, print::ReportTarget::PdfFile);
}

BatchReport::Outcome BatchReport::toPrinter(const std::vector<book::Client>& clients) {
    // As a single printout: with no printer, the reports go into a file.
    return run(clients, print::ReportTarget::Printout);
}

BatchReport::Outcome BatchReport::run(const std::vector<book::Client>& clients,
                                      print::ReportTarget target) {
    if (clients.empty()) {
        return Outcome::Cancelled;
    }
    const QDateTime now = clock_ ? clock_() : QDateTime::currentDateTime();
    const QString suggested =
        QDir(print::lastSaveFolder(print::SavedFile::ManyReportsPdf))
            .filePath(QCoreApplication::translate("ui::BatchReport", "Отчёты - %1.pdf")
                          .arg(now.date().toString(Qt::ISODate)));
    const int total = int(clients.size());
    Tally tally;
    size_t at = 0;
    print::ReportsComposer* composer = nullptr;
    print::ReportsComposer reports(
        [&](print::ReportPage& page) {
            while (at < clients.size()) {
                const book::Client& c = clients[at++];
                if (!composer->progress(int(at), total)) {
                    return print::NextPage::Stop;
                }
                if (takePage(c, page, tally)) {
                    return print::NextPage::Page;
                }
            }
            return print::NextPage::End;
        },
        suggested);
    composer = &reports;
    reports.setFailureNote([&tally] { return tally.text(); });
    return finish(delivery_.deliver(reports, target), tally);
}

bool BatchReport::takePage(const book::Client& c, print::ReportPage& page, Tally& tally) {
    QString reason;
    std::optional<core::Forecast> forecast =
        print::forecastFor(c.day, c.month, c.yearText, &reason);
    if (!forecast) {
        tally.skipped
            << QStringLiteral("%1, %2: %3").arg(listedName(c), book::birthDateText(c), reason);
        return false;
    }
    page.forecast = std::move(*forecast);
    page.client = c.names();
    tally.printed.push_back(c.id);
    return true;
}

QString BatchReport::Tally::text() const {
    if (skipped.isEmpty()) {
        return {};
    }
    QString text = QCoreApplication::translate(
        "ui::BatchReport",
        "Пропущены клиенты, для даты рождения которых нет прогноза (%n):", nullptr,
        int(skipped.size()));
    for (int k = 0; k < skipped.size(); ++k) {
        if (k == kMaxSkippedShown) {
            text += u'\n' + QCoreApplication::translate("ui::BatchReport", "…и ещё %n.", nullptr,
                                                        int(skipped.size()) - kMaxSkippedShown);
            break;
        }
        text += u'\n' + skipped[k];
    }
    return text;
}

BatchReport::Outcome BatchReport::finish(print::PrintDelivery::Outcome outcome,
                                         const Tally& tally) {
    using Delivered = print::PrintDelivery::Outcome;
    if (outcome == Delivered::Cancelled) {
        return Outcome::Cancelled;
    }
    if (outcome == Delivered::Failed) {
        return Outcome::Failed;  // the delivery has told why, and who was left out
    }
    const bool printed = outcome == Delivered::Printed;
    QString error;
    const auto kind = printed ? core::ReportKind::Printout : core::ReportKind::ManyPdf;
    if (!book_.recordReports(tally.printed, kind, &error,
                             printed ? QString() : delivery_.savedPath())) {
        tell(error, platform::MessageIcon::Warning);
    }
    const int pages = delivery_.pages();
    const QString done =
        printed
            ? QCoreApplication::translate("ui::BatchReport",
                                          "Отчёты отправлены на принтер «%1»: страниц %n.", nullptr,
                                          pages)
                  .arg(delivery_.printerName())
            : QCoreApplication::translate(
                  "ui::BatchReport", "Отчёты сохранены в файл «%1»: страниц %n.", nullptr, pages)
                  .arg(QDir::toNativeSeparators(delivery_.savedPath()));
    const QString text = tally.text();
    tell(text.isEmpty() ? done : done + QStringLiteral("\n\n") + text,
         text.isEmpty() ? platform::MessageIcon::Information : platform::MessageIcon::Warning);
    return Outcome::Done;
}

}  // namespace ui
