#include "ui/book/batch_report.h"

#include <QCoreApplication>
#include <QDir>

#include "book/client_book.h"
#include "platform/services.h"
#include "print/booklet_pages.h"
#include "print/many_reports.h"
#include "print/save_place.h"
#include "ui/dialogs/booklet_dialog.h"

namespace ui {

namespace {

constexpr int kMaxSkippedShown = 20;

QString title() {
    return QCoreApplication::translate("ui::BatchReport", "Картотека клиентов");
}

// A client with no name at all is still named in the list of those left out.
QString listedName(const book::Client& c) {
    const QString names = core::fullName(c.names);
    return names.isEmpty() ? QCoreApplication::translate("ui::BatchReport", "(без имени)") : names;
}

}  // namespace

BatchReport::BatchReport(book::ClientBook& book, platform::Services& services, QWidget* parent)
    : book_(book), services_(services), parent_(parent), delivery_(services, parent) {}

void BatchReport::tell(const QString& text, platform::MessageIcon icon) const {
    services_.message(parent_, {text, title(), icon, 0});
}

BatchReport::Outcome BatchReport::toPdf(const std::vector<book::Client>& clients) {
    return run(clients, print::ReportTarget::PdfFile, false);
}

BatchReport::Outcome BatchReport::toPrinter(const std::vector<book::Client>& clients) {
    // As a single printout: with no printer, the reports go into a file.
    return run(clients, print::ReportTarget::Printout, false);
}

BatchReport::Outcome BatchReport::bookletsToPdf(const std::vector<book::Client>& clients) {
    return run(clients, print::ReportTarget::PdfFile, true);
}

BatchReport::Outcome BatchReport::bookletsToPrinter(const std::vector<book::Client>& clients) {
    return run(clients, print::ReportTarget::Printout, true);
}

BatchReport::Outcome BatchReport::run(const std::vector<book::Client>& clients,
                                      print::ReportTarget target, bool booklets) {
    if (clients.empty()) {
        return Outcome::Cancelled;
    }
    const QDateTime now = clock_ ? clock_() : QDateTime::currentDateTime();
    // Booklets are named by their client, or by how many clients they are for.
    const QDir folder(print::lastSaveFolder(print::SavedFile::ManyReportsPdf));
    const QString suggested =
        !booklets ? folder.filePath(tr("Отчёты - %1.pdf").arg(now.date().toString(Qt::ISODate)))
        : clients.size() == 1
            ? print::suggestedBookletPath(clients.front().names, clients.front().birthDate)
            : folder.filePath(tr("Подробные отчёты - %n клиентов.pdf", nullptr,
                                 static_cast<int>(clients.size())));
    const int total = int(clients.size());
    Tally tally;
    size_t at = 0;
    std::function<bool(int, int)> progress;
    print::PageSource pages = [&](print::ReportPage& page) {
        while (at < clients.size()) {
            const book::Client& c = clients[at++];
            if (!progress(int(at), total)) {
                return print::NextPage::Stop;
            }
            if (takePage(c, page, tally)) {
                return print::NextPage::Page;
            }
        }
        return print::NextPage::End;
    };
    const auto note = [&tally] { return tally.text(); };
    if (!booklets) {
        print::ReportsComposer reports(std::move(pages), suggested);
        progress = [&reports](int done, int all) { return reports.progress(done, all); };
        reports.setFailureNote(note);
        return finish(delivery_.deliver(reports, target), tally, false);
    }
    print::BookletsComposer run(bookletSource(std::move(pages), now), suggested);
    progress = [&run](int done, int all) { return run.progress(done, all); };
    run.setFailureNote(note);
    return finish(delivery_.deliver(run, target), tally, true);
}

print::BookletSource BatchReport::bookletSource(print::PageSource pages, const QDateTime& now) {
    const BookletOptions options = rememberedBookletOptions();
    if (!options.letterhead) {
        delivery_.setLetterhead(std::nullopt);
    }
    // Each client's booklet in the practitioner's texts of that client's language.
    return print::bookletsOf(
        std::move(pages),
        [this](core::ReportLanguage language) {
            return practitionerTexts(language, [this](const QString& why) {
                tell(why, platform::MessageIcon::Warning);
            });
        },
        bookletChoiceOn(options, now.date()));
}

bool BatchReport::takePage(const book::Client& c, print::ReportPage& page, Tally& tally) {
    QString reason;
    std::optional<core::Forecast> forecast = print::forecastFor(c.birthDate, &reason);
    if (!forecast) {
        tally.skipped
            << QStringLiteral("%1, %2: %3").arg(listedName(c), book::birthDateText(c), reason);
        return false;
    }
    page.forecast = std::move(*forecast);
    page.person = c.person();
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

BatchReport::Outcome BatchReport::finish(print::PrintDelivery::Outcome outcome, const Tally& tally,
                                         bool booklets) {
    using Delivered = print::PrintDelivery::Outcome;
    if (outcome == Delivered::Cancelled) {
        return Outcome::Cancelled;
    }
    if (outcome == Delivered::Failed) {
        return Outcome::Failed;  // the delivery has told why, and who was left out
    }
    const bool printed = outcome == Delivered::Printed;
    QString error;
    const auto kind =
        core::reportKind(printed ? core::ReportKind::Printout : core::ReportKind::ManyPdf,
                         booklets ? core::ReportDocument::Booklet : core::ReportDocument::Report);
    if (!book_.recordReports(tally.printed, kind, &error,
                             printed ? QString() : delivery_.savedPath())) {
        tell(error, platform::MessageIcon::Warning);
    }
    const int pages = delivery_.pages();
    const QString where =
        printed ? delivery_.printerName() : QDir::toNativeSeparators(delivery_.savedPath());
    // By what went out (reports, booklets) and where (a file, a printer).
    const QString said[2][2] = {
        {tr("Отчёты сохранены в файл «%1»: страниц %n.", nullptr, pages),
         tr("Отчёты отправлены на принтер «%1»: страниц %n.", nullptr, pages)},
        {tr("Подробные отчёты сохранены в файл «%1»: страниц %n.", nullptr, pages),
         tr("Подробные отчёты отправлены на принтер «%1»: страниц %n.", nullptr, pages)}};
    const QString done = said[booklets][printed].arg(where);
    const QString text = tally.text();
    tell(text.isEmpty() ? done : done + QStringLiteral("\n\n") + text,
         text.isEmpty() ? platform::MessageIcon::Information : platform::MessageIcon::Warning);
    return Outcome::Done;
}

}  // namespace ui
