#pragma once

#include <QDateTime>
#include <QString>
#include <functional>

#include "core/checked.h"
#include "print/report_source.h"

namespace platform {
class PrinterPage;
}

namespace print {

// Where the row printer stands; it lives as long as the program, like the
// printer object it writes to.
struct YearRows {
    core::Byte YearRowDepth;  // index of the row being printed, 0 to 14
    core::Int16 NextRowYear;  // first year of the next row
    core::Int16 NextRowY;     // top of the next row, twips
};
YearRows& yearRows();

// The moment the report says it was made; tests pin it.
using Clock = std::function<QDateTime()>;

// The one-page report for the client: recalculates the forecast on the window,
// composes the page and ends the document. Returns whether the page reached its
// destination (the page's sink). A stopped calculation raises core::RuntimeError
// before anything is delivered.
bool PrintReport(ReportSource& w, platform::PrinterPage& page, const QString& surname,
                 const QString& name, const QString& patronymic, const Clock& clock = {});

// Prints a row of n years from firstYear at rowY, then the rows below it,
// fifteen in all from YearRowDepth 0. Not re-entrant: it keeps its place in
// yearRows().
void PrintYears(platform::PrinterPage& page, core::Byte n, core::Int16 firstYear, core::Int16 rowY);

// The aspect column: the nine levels as percentages of their full count, and
// the rule between the graph and the column.
void PrintZn(ReportSource& w, platform::PrinterPage& page);

// The calculation date as the date line shows it: the user's short date, a
// blank and the time with seconds.
QString reportDateTime(const QDateTime& moment, const QLocale& locale = QLocale());

}  // namespace print
