#pragma once

#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

#include "core/booklet.h"
#include "core/comparison.h"
#include "core/report_language.h"
#include "print/booklet_pages.h"
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

// The comparison as a document for the print delivery: its page and, when
// there are texts (core::pairBlocks), the pages of those words after it,
// flowed as a booklet's later pages are, each under the running head with
// both people and «Страница k из n».
class ComparisonPages : public PageComposer {
public:
    ComparisonPages(core::ComparedPerson first, core::ComparedPerson second, core::Comparison c,
                    std::optional<long long> markedYear,
                    const std::vector<core::BookletBlock>& texts = {},
                    core::ReportLanguage language = core::ReportLanguage::Russian);

    DocumentFacts facts() const override;
    Step composePage(platform::PrinterPage& page, const PageContext& context) override;
    std::optional<int> pageCount() const override { return 1 + int(flowed_.size()); }

    // The pieces of every page after the first, as placed.
    const std::vector<std::vector<BookletPiece>>& flowedPages() const { return flowed_; }

private:
    core::ComparedPerson first_;
    core::ComparedPerson second_;
    core::Comparison comparison_;
    std::optional<long long> markedYear_;
    core::ReportLanguage language_;
    std::vector<std::vector<BookletPiece>> flowed_;
};

// The page, and the pages of `texts` after it, straight into a PDF file,
// written whole or not at all. Returns an
// empty string when the file was written, otherwise «Не удалось записать файл
// X: <причина>».
QString printComparisonToPdf(const core::ComparedPerson& first, const core::ComparedPerson& second,
                             const core::Comparison& c, const QString& path,
                             const QDateTime& madeAt,
                             std::optional<long long> markedYear = std::nullopt,
                             const std::optional<Letterhead>& letterhead = {},
                             const std::vector<core::BookletBlock>& texts = {},
                             core::ReportLanguage language = core::ReportLanguage::Russian);

}  // namespace print
