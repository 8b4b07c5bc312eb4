#include <gtest/gtest.h>

#include <QFontMetricsF>

#include "core/booklet.h"
#include "forecast_of.h"
#include "platform/fonts.h"
#include "platform/printer_page.h"
#include "platform/replay.h"
#include "print/booklet_pages.h"
#include "print/report.h"
#include "same_ops.h"

namespace {

using Piece = print::BookletPiece;

const QDateTime kBookletMadeAt(QDate(2026, 12, 8), QTime(10, 0));

bool pageHasText(const platform::PrinterPage& page, const QString& text) {
    return std::any_of(page.ops().begin(), page.ops().end(),
                       [&text](const platform::DrawOp& op) { return op.text.contains(text); });
}

std::vector<platform::DrawOp> opsOf(const print::BookletPages& pages, int k,
                                    const std::optional<print::Letterhead>& letterhead) {
    platform::PrinterPage page;
    pages.compose(page, k, kBookletMadeAt, letterhead);
    return page.ops();
}

print::BookletPages pagesOf(const char* year, const core::BookletChoice& choice) {
    const core::ClientNames client{QStringLiteral("Иванова"), QStringLiteral("Мария"), {}};
    return print::BookletPages(
        core::makeBooklet(forecastOf(23, 7, year), client, core::TextLibrary(), choice));
}

}  // namespace

// The first page is the classic report; every later page has its running
// head, the client and «Страница k из n»; no heading ends a page and nothing
// runs past its foot.
TEST(BookletPages, FirstPageHeadsAndFlow) {
    const std::optional<print::Letterhead> heads[] = {
        std::nullopt, print::Letterhead{QStringLiteral("Анна Сергеевна"), {"+7 900"}, {}}};
    const core::BookletChoice choices[] = {{true, true, true, true, 30, 2026},
                                           {true, false, false, false, 10, 2026},
                                           {false, false, true, true, 1, 2026}};
    for (const char* year : {"1975", "2010", "1899"}) {
        for (const auto& head : heads) {
            for (const core::BookletChoice& choice : choices) {
                SCOPED_TRACE(testing::Message() << year << (head ? " letterhead" : "") << " span "
                                                << choice.outlookYears);
                const print::BookletPages pages = pagesOf(year, choice);
                ASSERT_GE(pages.pageCount(), 2);
                platform::PrinterPage classic;
                print::composeReport(classic, pages.booklet().forecast, pages.booklet().client,
                                     kBookletMadeAt, head);
                EXPECT_TRUE(sameOps(opsOf(pages, 1, head), classic.ops()));
                for (int k = 2; k <= pages.pageCount(); ++k) {
                    platform::PrinterPage page;
                    pages.compose(page, k, kBookletMadeAt, head);
                    EXPECT_TRUE(pageHasText(
                        page, QStringLiteral("Страница %1 из %2").arg(k).arg(pages.pageCount())));
                    EXPECT_TRUE(pageHasText(page, QStringLiteral("Иванова Мария")));
                    EXPECT_TRUE(pageHasText(page, head ? head->name : QStringLiteral("Версия")));
                }
                for (const std::vector<Piece>& flowed : pages.flowedPages()) {
                    ASSERT_FALSE(flowed.empty());
                    EXPECT_FALSE(flowed.back().keepWithNext) << "a heading alone at the foot";
                    EXPECT_LE(flowed.back().y + flowed.back().height, pages.bodyBottom() + 1);
                }
            }
        }
    }
}

// A word wider than the column is broken at its edge: every line fits, and
// every character of the paragraph is on the page.
TEST(BookletPages, WordWiderThanTheColumnIsBrokenAtItsEdge) {
    const QFontMetricsF metrics(platform::twipFont(platform::printerFamily(), 11, false, false));
    constexpr double kWidth = 6000;
    for (const QString& text :
         {QStringLiteral("Подпись клиента: ") + QString(300, u'_') + QStringLiteral("КОНЕЦ"),
          QString(400, u'=') + QStringLiteral("END"), QStringLiteral("ж").repeated(500)}) {
        core::BookletBlock paragraph;
        paragraph.kind = core::BookletBlock::Kind::Paragraph;
        paragraph.text = text;
        QString printed;
        for (const std::vector<Piece>& page : print::flowBlocks({paragraph}, kWidth, 0, 16000)) {
            for (const Piece& line : page) {
                EXPECT_LE(metrics.horizontalAdvance(line.text), kWidth) << line.text.toStdString();
                printed += line.text;
            }
        }
        EXPECT_EQ(printed.remove(u' '), QString(text).remove(u' '));
    }
}

// Many booklets in one run are the single booklets, page by page: made by
// hand, and made from report pages as the client book and the companion's
// --clients make theirs.
TEST(BookletPages, ManyAreTheSingleOnesPageByPage) {
    const core::BookletChoice choice{true, true, true, true, 10, 2026};
    const char* years[] = {"1975", "2010", "1899"};
    std::vector<std::vector<platform::DrawOp>> single;
    for (const char* year : years) {
        const print::BookletPages pages = pagesOf(year, choice);
        for (int k = 1; k <= pages.pageCount(); ++k) {
            single.push_back(opsOf(pages, k, std::nullopt));
        }
    }
    std::size_t given = 0;
    const print::BookletSource byHand = [&](std::optional<print::BookletPages>& booklet) {
        if (given == std::size(years)) {
            return print::NextPage::End;
        }
        booklet.emplace(pagesOf(years[given++], choice));
        return print::NextPage::Page;
    };
    const print::PageSource reportPages = [&](print::ReportPage& page) {
        if (given == std::size(years)) {
            return print::NextPage::End;
        }
        page = {forecastOf(23, 7, years[given++]),
                {QStringLiteral("Иванова"), QStringLiteral("Мария"), {}}};
        return print::NextPage::Page;
    };
    for (const print::BookletSource& source :
         {byHand, print::bookletsOf(reportPages, core::TextLibrary(), choice)}) {
        given = 0;
        print::BookletsComposer run(source);
        const print::PageContext context = print::quietContext(kBookletMadeAt, std::nullopt);
        std::size_t next = 0;
        for (;;) {
            platform::PrinterPage page;
            if (run.composePage(page, context) != print::PageComposer::Step::Page) {
                break;
            }
            EXPECT_TRUE(next < single.size() && sameOps(page.ops(), single[next])) << next;
            ++next;
        }
        EXPECT_EQ(next, single.size());
    }
}
