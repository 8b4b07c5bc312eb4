#include "print/many_reports.h"

#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include "core/program_info.h"
#include "platform/page_output.h"
#include "platform/printer_page.h"
#include "platform/safe_file.h"
#include "print/report.h"

namespace print {

namespace {

// As the single report: its pen widths are counted in these dots.
constexpr int kPrinterDpi = 600;
// The PDF's own resolution, as a single report's file has it.
constexpr int kPdfDpi = 1200;

}  // namespace

ManyResult composeReports(const PageSource& next, double pageWidthTw, int deviceDpi,
                          const QDateTime& madeAt, const std::optional<Letterhead>& letterhead,
                          const std::function<bool(const platform::PrinterPage&)>& deliver,
                          const QString& failure) {
    ManyResult result;
    for (;;) {
        ReportPage report;
        const NextPage step = next(report);
        if (step == NextPage::End) {
            return result;
        }
        if (step == NextPage::Stop) {
            result.stopped = true;
            return result;
        }
        // A fresh page for every client, so nothing of one report reaches the next.
        platform::PrinterPage page(pageWidthTw, deviceDpi);
        page.setSink(deliver);
        if (!printReport(page, report.forecast, report.client, madeAt, letterhead)) {
            result.error = failure;
            return result;
        }
        ++result.pages;
    }
}

ManyResult writeReportsPdf(const QString& path, const PageSource& next, const QDateTime& madeAt,
                           const std::optional<Letterhead>& letterhead) {
    ManyResult result;
    bool opened = false;
    const QString written = platform::writeFileAtomically(path, [&](QIODevice& device) {
        opened = true;
        QPdfWriter writer(&device);
        // The page of a single report's file: A4 with its margins.
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(6.35, 6.35, 6.35, 6.35),
                                         QPageLayout::Millimeter));
        writer.setResolution(kPdfDpi);
        writer.setCreator(info::programName());
        writer.setTitle(info::programName());
        QPainter painter;
        bool first = true;
        const auto deliver = [&](const platform::PrinterPage& page) {
            // The painter begins with the first page, so that a run that
            // ends before one leaves nothing begun.
            if (first ? !painter.begin(&writer) : !writer.newPage()) {
                return false;
            }
            first = false;
            page.render(painter, kPdfDpi, kPdfDpi);
            return true;
        };
        result = composeReports(
            next, platform::pdfPrintableWidthTw(), kPrinterDpi, madeAt, letterhead, deliver,
            platform::writeFailedMessage(path, QStringLiteral("страница не записана")));
        const bool ended = painter.isActive() ? painter.end() : true;
        return ended && !result.stopped && result.error.isEmpty() && result.pages > 0;
    });
    if (result.stopped || written.isEmpty() || !result.error.isEmpty()) {
        return result;
    }
    // A file that could not even be begun (a missing folder) is told as it is,
    // not as a list without clients.
    result.error = result.pages > 0 || !opened
                       ? written
                       : platform::writeFailedMessage(
                             path, QStringLiteral("в списке нет ни одного клиента, для которого "
                                                  "есть прогноз"));
    return result;
}

ManyResult printReports(QPrinter& printer, const PageSource& next, const QDateTime& madeAt,
                        const std::optional<Letterhead>& letterhead) {
    QPainter painter;
    bool first = true;
    const auto deliver = [&](const platform::PrinterPage& page) {
        if (first ? !painter.begin(&printer) : !printer.newPage()) {
            return false;
        }
        first = false;
        page.render(painter, printer.logicalDpiX(), printer.logicalDpiY());
        return true;
    };
    ManyResult result =
        composeReports(next, platform::printableWidthTw(printer), printer.resolution(), madeAt,
                       letterhead, deliver,
                       QStringLiteral("Не удалось напечатать отчёты на принтере «%1». Проверьте, "
                                      "что принтер включён и готов к работе.")
                           .arg(printer.printerName()));
    if (!painter.isActive()) {
        return result;
    }
    if (result.stopped || !result.error.isEmpty()) {
        // Pages already handed to the print system may still come out (Qt
        // cannot take them back); nothing after the stop does.
        printer.abort();
        painter.end();
        return result;
    }
    if (!painter.end() && result.error.isEmpty()) {
        result.error = QStringLiteral(
                           "Не удалось напечатать отчёты на принтере «%1». Проверьте, "
                           "что принтер включён и готов к работе.")
                           .arg(printer.printerName());
    }
    return result;
}

std::optional<core::Forecast> forecastFor(int day, int month, const QString& yearText,
                                          QString* reason) {
    if (day < 1 || day > 31 || month < 1 || month > 12) {
        if (reason) {
            *reason = QStringLiteral("день или месяц рождения вне допустимых пределов");
        }
        return std::nullopt;
    }
    const core::Calculation result =
        core::calculate(core::BirthDate{QString::number(day), month - 1, yearText});
    if (const auto* refusal = std::get_if<core::Refusal>(&result)) {
        if (reason) {
            *reason = refusal->text;
        }
        return std::nullopt;
    }
    return std::get<core::Forecast>(result);
}

}  // namespace print
