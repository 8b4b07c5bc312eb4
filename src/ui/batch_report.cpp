#include "ui/batch_report.h"

#include <QApplication>
#include <QDir>
#include <QPrinter>
#include <QProgressDialog>

#include "book/client_book.h"
#include "platform/services.h"
#include "print/many_reports.h"
#include "print/print_job.h"
#include "print/save_place.h"

namespace ui {

namespace {

constexpr int kPrinterDpi = 600;
constexpr int kMaxSkippedShown = 20;

QString title() {
    return QStringLiteral("Картотека клиентов");
}

QString fullName(const book::Client& c) {
    QStringList names{c.surname, c.name, c.patronymic};
    names.removeAll(QString());
    return names.isEmpty() ? QStringLiteral("(без имени)") : names.join(u' ');
}

}  // namespace

BatchReport::BatchReport(book::ClientBook& book, platform::Services& services, QWidget* parent)
    : book_(book),
      services_(services),
      parent_(parent),
      ask_([](QWidget* over, const QString& suggested) {
          return print::askSaveFileName(over, QStringLiteral("Сохранить отчёты в файл PDF"),
                                        QStringLiteral("Документ PDF (*.pdf)"),
                                        QStringLiteral("pdf"), suggested);
      }),
      find_(QPrinterInfo::defaultPrinter) {}

void BatchReport::tell(const QString& text, platform::MessageIcon icon) const {
    services_.message(parent_, {text, title(), icon, 0});
}

std::optional<print::Letterhead> BatchReport::letterhead() {
    if (letterheadSet_) {
        return letterhead_;
    }
    QString logoProblem;
    auto page = print::keptLetterheadForPage(&logoProblem);
    if (!logoProblem.isEmpty()) {
        tell(logoProblem + QStringLiteral(" Отчёты печатаются без логотипа."),
             platform::MessageIcon::Warning);
    }
    return page;
}

BatchReport::Outcome BatchReport::toPdf(const std::vector<book::Client>& clients) {
    if (clients.empty()) {
        return Outcome::Cancelled;
    }
    const QDateTime now = clock_ ? clock_() : QDateTime::currentDateTime();
    const QString suggested =
        QDir(print::lastSaveFolder(print::SavedFile::ManyReportsPdf))
            .filePath(QStringLiteral("Отчёты - %1.pdf").arg(now.date().toString(Qt::ISODate)));
    const QString path = ask_ ? ask_(parent_, suggested) : QString();
    if (path.isEmpty()) {
        return Outcome::Cancelled;
    }
    const Outcome outcome = run(clients, path, {});
    if (outcome == Outcome::Done) {
        print::rememberSaveFolder(print::SavedFile::ManyReportsPdf, path);
    }
    return outcome;
}

BatchReport::Outcome BatchReport::toPrinter(const std::vector<book::Client>& clients) {
    if (clients.empty()) {
        return Outcome::Cancelled;
    }
    const QPrinterInfo printer = find_ ? find_() : QPrinterInfo();
    // As a single printout: with no printer, the reports go into a file.
    return printer.isNull() ? toPdf(clients) : run(clients, {}, printer);
}

BatchReport::Outcome BatchReport::run(const std::vector<book::Client>& clients, const QString& path,
                                      const QPrinterInfo& printerInfo) {
    const std::optional<print::Letterhead> pageHead = letterhead();
    const QDateTime madeAt = clock_ ? clock_() : QDateTime::currentDateTime();
    const int total = int(clients.size());

    // Modal for the whole program: the book and the main window wait, yet
    // they repaint and the dialog's «Отмена» answers between pages.
    QProgressDialog progress(QStringLiteral("Клиент 1 из %1").arg(total), QStringLiteral("Отмена"),
                             0, total, parent_);
    progress.setWindowTitle(path.isEmpty() ? QStringLiteral("Печать отчётов")
                                           : QStringLiteral("Отчёты в PDF"));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setAutoReset(false);

    Tally tally;
    size_t at = 0;
    const print::PageSource next = [&](print::ReportPage& page) {
        while (at < clients.size()) {
            const book::Client& c = clients[at++];
            progress.setLabelText(QStringLiteral("Клиент %1 из %2").arg(at).arg(total));
            progress.setValue(int(at) - 1);
            QApplication::processEvents();
            if (progress.wasCanceled() || (onPage_ && !onPage_(int(at), total))) {
                return print::NextPage::Stop;
            }
            if (takePage(c, page, tally)) {
                return print::NextPage::Page;
            }
        }
        return print::NextPage::End;
    };

    print::ManyResult result;
    if (!path.isEmpty()) {
        result = print::writeReportsPdf(path, next, madeAt, pageHead);
    } else {
        QPrinter printer(printerInfo, QPrinter::HighResolution);
        printer.setResolution(kPrinterDpi);
        printer.setDocName(QStringLiteral("Zemtar - Прогноз: отчёты"));
        result = print::printReports(printer, next, madeAt, pageHead);
    }
    progress.close();
    return result.stopped ? Outcome::Cancelled : finish(result, tally, path, printerInfo);
}

bool BatchReport::takePage(const book::Client& c, print::ReportPage& page, Tally& tally) {
    QString reason;
    std::optional<core::Forecast> forecast =
        print::forecastFor(c.day, c.month, c.yearText, &reason);
    if (!forecast) {
        tally.skipped
            << QStringLiteral("%1, %2: %3").arg(fullName(c), book::birthDateText(c), reason);
        return false;
    }
    page.forecast = std::move(*forecast);
    page.client = {c.surname, c.name, c.patronymic};
    tally.printed.push_back(c.id);
    return true;
}

BatchReport::Outcome BatchReport::finish(const print::ManyResult& result, const Tally& tally,
                                         const QString& path, const QPrinterInfo& printerInfo) {
    QString text;
    if (!tally.skipped.isEmpty()) {
        text = QStringLiteral("Пропущены клиенты, для даты рождения которых нет прогноза (%1):")
                   .arg(tally.skipped.size());
        for (int k = 0; k < tally.skipped.size(); ++k) {
            if (k == kMaxSkippedShown) {
                text += QStringLiteral("\n…и ещё %1.").arg(tally.skipped.size() - kMaxSkippedShown);
                break;
            }
            text += u'\n' + tally.skipped[k];
        }
    }
    if (!result.error.isEmpty()) {
        tell(text.isEmpty() ? result.error : result.error + QStringLiteral("\n\n") + text,
             platform::MessageIcon::Critical);
        return Outcome::Failed;
    }
    QString error;
    const auto kind = path.isEmpty() ? book::ReportKind::Printout : book::ReportKind::ManyPdf;
    if (!book_.recordReports(tally.printed, kind, &error, path)) {
        tell(error, platform::MessageIcon::Warning);
    }
    const QString done =
        path.isEmpty() ? QStringLiteral("Отчёты отправлены на принтер «%1»: страниц %2.")
                             .arg(printerInfo.printerName(), QString::number(result.pages))
                       : QStringLiteral("Отчёты сохранены в файл «%1»: страниц %2.")
                             .arg(QDir::toNativeSeparators(path), QString::number(result.pages));
    tell(text.isEmpty() ? done : done + QStringLiteral("\n\n") + text,
         text.isEmpty() ? platform::MessageIcon::Information : platform::MessageIcon::Warning);
    return Outcome::Done;
}

}  // namespace ui
