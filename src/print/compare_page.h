#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

#include "core/comparison.h"

class QPrinter;

namespace platform {
class PrinterPage;
}

namespace print {

// The comparison page: one page in the report's style with both people's
// names, dates, percentages and extremes, both curves on one calendar axis,
// the years both are at their own extremes, and both aspect columns. Composes
// the page and ends the document; returns whether the page reached its
// destination. `markedYear` (this year) is marked on the axis when given.
bool PrintComparison(platform::PrinterPage& page, const core::ComparedPerson& first,
                     const core::ComparedPerson& second, const core::Comparison& c,
                     const QDateTime& madeAt, std::optional<long long> markedYear = std::nullopt);

// The page as one print job on a printer (a real one, or the preview's).
bool printComparisonOn(QPrinter& printer, const core::ComparedPerson& first,
                       const core::ComparedPerson& second, const core::Comparison& c,
                       const QDateTime& madeAt, std::optional<long long> markedYear);

// The page straight into a PDF file, written whole or not at all. Returns an
// empty string when the file was written, otherwise «Не удалось записать файл
// X: <причина>».
QString printComparisonToPdf(const core::ComparedPerson& first, const core::ComparedPerson& second,
                             const core::Comparison& c, const QString& path,
                             const QDateTime& madeAt,
                             std::optional<long long> markedYear = std::nullopt);

}  // namespace print
