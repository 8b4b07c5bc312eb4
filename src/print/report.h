#pragma once

#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>

#include "core/checked.h"
#include "core/forecast.h"
#include "print/letterhead.h"

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

// The one-page report for the client: composes the page of a forecast made at
// `madeAt` and ends the document. Returns whether the page reached its
// destination (the page's sink). With a letterhead the page carries the
// practitioner's name, contacts and logo at its head instead of the program's.
bool PrintReport(platform::PrinterPage& page, const core::Forecast& forecast,
                 const QString& surname, const QString& name, const QString& patronymic,
                 const QDateTime& madeAt, const std::optional<Letterhead>& letterhead = {});

// Prints a row of n years from firstYear at rowY, then the rows below it,
// fifteen in all from YearRowDepth 0. Not re-entrant: it keeps its place in
// yearRows().
void PrintYears(platform::PrinterPage& page, core::Byte n, core::Int16 firstYear, core::Int16 rowY);

// The aspect column: the nine levels as percentages of their full count, and
// the rule between the graph and the column.
void PrintZn(platform::PrinterPage& page, const core::Forecast& forecast);

// The calculation date as the date line shows it: the user's short date, a
// blank and the time with seconds.
QString reportDateTime(const QDateTime& moment, const QLocale& locale = QLocale());

}  // namespace print
