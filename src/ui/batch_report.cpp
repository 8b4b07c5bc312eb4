#include "ui/batch_report.h"

#include <QDir>

#include "book/client_book.h"
#include "platform/services.h"
#include "print/many_reports.h"
#include "print/save_place.h"

namespace ui {

namespace {

constexpr int kMaxSkippedShown = 20;

QString title() {
    return QStringLiteral("Картотека клиентов");
}

// A client with no name at all is still named in the list of those left out.
QString listedName(const book::Client& c) {
    const QString names = core::fullName(c.names());
    return names.isEmpty() ? QStringLiteral("(без имени)") : names;
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
            .filePath(QStringLiteral("Отчёты - %1.pdf").arg(now.date().toString(Qt::ISODate)));
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
    page.language = c.language();
    tally.printed.push_back(c.id);
    return true;
}

QString BatchReport::Tally::text() const {
    if (skipped.isEmpty()) {
        return {};
    }
    QString text = QStringLiteral("Пропущены клиенты, для даты рождения которых нет прогноза (%1):")
                       .arg(skipped.size());
    for (int k = 0; k < skipped.size(); ++k) {
        if (k == kMaxSkippedShown) {
            text += QStringLiteral("\n…и ещё %1.").arg(skipped.size() - kMaxSkippedShown);
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
    const QString pages = QString::number(delivery_.pages());
    const QString done = printed ? QStringLiteral("Отчёты отправлены на принтер «%1»: страниц %2.")
                                       .arg(delivery_.printerName(), pages)
                                 : QStringLiteral("Отчёты сохранены в файл «%1»: страниц %2.")
                                       .arg(QDir::toNativeSeparators(delivery_.savedPath()), pages);
    const QString text = tally.text();
    tell(text.isEmpty() ? done : done + QStringLiteral("\n\n") + text,
         text.isEmpty() ? platform::MessageIcon::Information : platform::MessageIcon::Warning);
    return Outcome::Done;
}

}  // namespace ui
