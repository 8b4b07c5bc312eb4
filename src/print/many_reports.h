#pragma once

#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>

#include "core/client_names.h"
#include "core/forecast.h"
#include "print/letterhead.h"

class QPrinter;

namespace platform {
class PrinterPage;
}

namespace print {

// One page of a run of reports: the forecast and whose it is.
struct ReportPage {
    core::Forecast forecast;
    core::ClientNames client;
};

// Where a run of reports stands after a page: hand out the next page, the
// list has ended, or the user stopped the run.
enum class NextPage { Page, End, Stop };
// Fills `page` with the next report and says Page, or says End or Stop. It is
// asked once before every page, so it is also where a run is shown and stopped.
using PageSource = std::function<NextPage(ReportPage& page)>;

// What a run of reports did.
struct ManyResult {
    int pages = 0;         // pages composed (and, when nothing failed, delivered)
    bool stopped = false;  // the source said Stop: nothing was delivered in the end
    QString error;         // in Russian; empty when the run ended well or was stopped
};

// Composes one single-client report per page the source hands out, each on a
// page of its own exactly as printReport makes it, and gives every finished
// page to `deliver`; a page deliver refuses ends the run with `failure`.
ManyResult composeReports(const PageSource& next, double pageWidthTw, int deviceDpi,
                          const QDateTime& madeAt, const std::optional<Letterhead>& letterhead,
                          const std::function<bool(const platform::PrinterPage&)>& deliver,
                          const QString& failure);

// The reports as one PDF file of one page each, written whole or not at all:
// a stopped run, a failure or a list without a single page leaves no file and
// an existing one as it was. Pages are composed and written one at a time, so
// memory stays flat however long the list.
ManyResult writeReportsPdf(const QString& path, const PageSource& next, const QDateTime& madeAt,
                           const std::optional<Letterhead>& letterhead);

// The reports as one print job of one page each. A stopped or failed run
// aborts the job: no page after the stop reaches the printer.
ManyResult printReports(QPrinter& printer, const PageSource& next, const QDateTime& madeAt,
                        const std::optional<Letterhead>& letterhead);

// A client's names and day, month and year as the book keeps them: their
// forecast, or the reason in Russian why the date has none.
std::optional<core::Forecast> forecastFor(int day, int month, const QString& yearText,
                                          QString* reason);

}  // namespace print
