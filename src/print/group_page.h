#pragma once

#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

#include "core/booklet.h"
#include "core/group.h"
#include "core/report_language.h"
#include "print/booklet_pages.h"
#include "print/letterhead.h"
#include "print/page_composer.h"

namespace platform {
class PrinterPage;
}

namespace print {

// The group's page: one A4 page in the report's style, under the same head
// (the practitioner's letterhead when given). Two people read as the
// comparison page always has: both names, dates, percentages and extremes,
// both curves on one calendar axis, the years both are at their own
// extremes, the aspects both have and both aspect columns. Three to six: a
// line for each, every curve on one axis, the years all are at their
// extremes, the aspects all have and those only some have (naming who), and
// one table of everyone's aspect percentages. `markedYear` (this year) is
// marked on the axis when given. Every word of the page is in `language`.
void composeGroupPage(platform::PrinterPage& page, const core::Group& group,
                      const QDateTime& madeAt, std::optional<long long> markedYear,
                      const std::optional<Letterhead>& letterhead,
                      core::ReportLanguage language = core::ReportLanguage::Russian);

// The group as a document for the print delivery: its page and, when there
// are texts (core::groupBlocks), the pages of those words after it, flowed as
// a booklet's later pages are, each under the running head with the people
// and «Страница k из n».
class GroupPages : public PageComposer {
public:
    GroupPages(core::Group group, std::optional<long long> markedYear,
               const std::vector<core::BookletBlock>& texts = {},
               core::ReportLanguage language = core::ReportLanguage::Russian);

    DocumentFacts facts() const override;
    Step composePage(platform::PrinterPage& page, const PageContext& context) override;
    std::optional<int> pageCount() const override { return 1 + int(flowed_.size()); }

    // The pieces of every page after the first, as placed.
    const std::vector<std::vector<BookletPiece>>& flowedPages() const { return flowed_; }

private:
    core::Group group_;
    std::optional<long long> markedYear_;
    core::ReportLanguage language_;
    std::vector<std::vector<BookletPiece>> flowed_;
};

// The page, and the pages of `texts` after it, straight into a PDF file,
// written whole or not at all. Returns an empty string when the file was
// written, otherwise «Не удалось записать файл X: <причина>».
QString printGroupToPdf(const core::Group& group, const QString& path, const QDateTime& madeAt,
                        std::optional<long long> markedYear = std::nullopt,
                        const std::optional<Letterhead>& letterhead = {},
                        const std::vector<core::BookletBlock>& texts = {},
                        core::ReportLanguage language = core::ReportLanguage::Russian);

}  // namespace print
