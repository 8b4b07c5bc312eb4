#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

#include "core/comparison.h"
#include "core/report_language.h"
#include "print/letterhead.h"
#include "print/page_composer.h"

namespace platform {
class PrinterPage;
}

namespace print {

// The comparison page: one page in the report's style, under the same head
// (the practitioner's letterhead when given), with both people's names,
// dates, percentages and extremes, both curves on one calendar axis, the
// years both are at their own extremes, and both aspect columns. Composes
// the page and ends the document; returns whether the page reached its
// destination. `markedYear` (this year) is marked on the axis when given.
// Every word of the page is in `language`.
bool PrintComparison(platform::PrinterPage& page, const core::ComparedPerson& first,
                     const core::ComparedPerson& second, const core::Comparison& c,
                     const QDateTime& madeAt, std::optional<long long> markedYear = std::nullopt,
                     const std::optional<Letterhead>& letterhead = {},
                     core::ReportLanguage language = core::ReportLanguage::Russian);

// The same page, composed and not yet ended.
void composeComparison(platform::PrinterPage& page, const core::ComparedPerson& first,
                       const core::ComparedPerson& second, const core::Comparison& c,
                       const QDateTime& madeAt, std::optional<long long> markedYear,
                       const std::optional<Letterhead>& letterhead,
                       core::ReportLanguage language = core::ReportLanguage::Russian);

// The page as a document of one page for the print delivery.
OnePageComposer comparisonComposer(const core::ComparedPerson& first,
                                   const core::ComparedPerson& second, const core::Comparison& c,
                                   std::optional<long long> markedYear,
                                   core::ReportLanguage language = core::ReportLanguage::Russian);

// The page straight into a PDF file, written whole or not at all. Returns an
// empty string when the file was written, otherwise «Не удалось записать файл
// X: <причина>».
QString printComparisonToPdf(const core::ComparedPerson& first, const core::ComparedPerson& second,
                             const core::Comparison& c, const QString& path,
                             const QDateTime& madeAt,
                             std::optional<long long> markedYear = std::nullopt,
                             const std::optional<Letterhead>& letterhead = {},
                             core::ReportLanguage language = core::ReportLanguage::Russian);

}  // namespace print
