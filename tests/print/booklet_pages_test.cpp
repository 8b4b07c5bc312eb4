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
using Kind = core::BookletBlock::Kind;
using core::ReportLanguage;

const QDateTime kBookletMadeAt(QDate(2026, 12, 8), QTime(10, 0));

bool pageHasText(const platform::PrinterPage& page, const QString& text) {
    return std::any_of(page.ops().begin(), page.ops().end(),
                       [&text](const platform::DrawOp& op) { return op.text.contains(text); });
}

std::vector<platform::DrawOp> opsOf(const print::BookletPages& pages, int k,
                                    const std::optional<print::Letterhead>& letterhead) {
    platform::PrinterPage page;
    pages.compose(page, k, letterhead);
    return page.ops();
}

core::BookletBlock blockOf(core::BookletBlock::Kind kind, const QString& text) {
    core::BookletBlock b;
    b.kind = kind;
    b.text = text;
    return b;
}

core::Person maria(ReportLanguage language = ReportLanguage::Russian) {
    core::Person p;
    p.names = {QStringLiteral("Иванова"), QStringLiteral("Мария"), {}};
    p.language = language;
    return p;
}

print::BookletPages pagesOf(const char* year, const core::BookletChoice& choice,
                            ReportLanguage language = ReportLanguage::Russian) {
    return print::BookletPages(
        core::makeBooklet(forecastOf(23, 7, year), maria(language),
                          core::TextLibrary(core::TextSet(core::languageCode(language))), choice));
}

}  // namespace

// The first page is the booklet's own: the square's nine levels under the
// names the later pages use, no aspect percentages and no note of the years
// the classic page counts aspects for; every later page has its running head,
// the client and «Страница k из n»; no heading ends a page and nothing runs
// past its foot.
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
                platform::PrinterPage first;
                pages.compose(first, 1, head);
                const core::Forecast& f = pages.booklet().forecast;
                for (int digit = 1; digit <= core::kAspectCount; ++digit) {
                    EXPECT_TRUE(pageHasText(
                        first, QStringLiteral("%1 — уровень %2")
                                   .arg(core::aspectName(ReportLanguage::Russian, digit))
                                   .arg(f.aspects[std::size_t(digit - 1)].level)));
                }
                EXPECT_TRUE(pageHasText(first, QStringLiteral("Процент счастья: ") +
                                                   core::percentText(f.happinessPercent)));
                EXPECT_FALSE(pageHasText(first, QStringLiteral("рассчитываются")));
                EXPECT_FALSE(pageHasText(first, QStringLiteral("Судьба")));
                for (int k = 2; k <= pages.pageCount(); ++k) {
                    platform::PrinterPage page;
                    pages.compose(page, k, head);
                    EXPECT_TRUE(pageHasText(
                        page, QStringLiteral("Страница %1 из %2").arg(k).arg(pages.pageCount())));
                    EXPECT_TRUE(pageHasText(page, QStringLiteral("Иванова Мария")));
                    EXPECT_TRUE(pageHasText(page, head ? head->name : QStringLiteral("Версия")));
                }
                const std::vector<Piece>& last = pages.flowedPages().back();
                EXPECT_TRUE(std::any_of(last.begin(), last.end(), [](const Piece& p) {
                    return !p.closing;
                })) << "the closing words alone on the last page";
                for (const std::vector<Piece>& flowed : pages.flowedPages()) {
                    ASSERT_FALSE(flowed.empty());
                    EXPECT_FALSE(flowed.back().keepWithNext) << "a heading alone at the foot";
                    EXPECT_LE(flowed.back().y + flowed.back().height, pages.bodyBottom() + 1);
                }
            }
        }
    }
}

// The name as each language writes it, on the first page and in the running
// head: «Emily Carter» in English; the first page's square labels its levels
// with the aspects' names in the booklet's language.
TEST(BookletPages, NameInTheLanguagesOrder) {
    const struct {
        ReportLanguage language;
        const char* whose;
    } rows[] = {{ReportLanguage::Russian, "Carter Emily"},
                {ReportLanguage::Ukrainian, "Carter Emily"},
                {ReportLanguage::English, "Emily Carter"}};
    for (const auto& row : rows) {
        core::Person emily;
        emily.names = {QStringLiteral("Carter"), QStringLiteral("Emily"), {}};
        const print::BookletPages pages(
            core::makeBooklet(forecastOf(5, 3, "1990"), emily,
                              core::TextLibrary(core::TextSet(core::languageCode(row.language))),
                              {true, true, true, true, 10, 2026}));
        for (int k : {1, 2}) {
            platform::PrinterPage page;
            pages.compose(page, k, std::nullopt);
            EXPECT_TRUE(pageHasText(page, QString::fromUtf8(row.whose))) << row.whose << k;
        }
        platform::PrinterPage first;
        pages.compose(first, 1, std::nullopt);
        for (int digit = 1; digit <= core::kAspectCount; ++digit) {
            EXPECT_TRUE(
                pageHasText(first, core::aspectName(row.language, digit) + QStringLiteral(" — ")))
                << digit;
        }
    }
}

// However long the paragraphs and wherever a page ends, no page begins with a
// paragraph's last line or ends with its first, a heading (with a one-line
// note under it) stays with the lines it heads, and the last page never holds only the closing
// words.
TEST(BookletPages, BreaksLeaveNoLineAlone) {
    const QString sentence = QStringLiteral("Слово за словом складывается ровная строка текста. ");
    for (int lines = 1; lines <= 6; ++lines) {
        for (int before = 0; before <= 12; ++before) {
            std::vector<core::BookletBlock> blocks;
            for (int k = 0; k < before; ++k) {
                blocks.push_back(blockOf(Kind::Paragraph, QStringLiteral("Строка.")));
            }
            blocks.push_back(blockOf(Kind::Subheading, QStringLiteral("Заголовок")));
            if (before % 2 == 1) {  // a one-line note under the heading goes with it
                blocks.push_back(blockOf(Kind::Paragraph, QStringLiteral("Годы: 1990, 1997.")));
            }
            blocks.push_back(blockOf(Kind::Paragraph, sentence.repeated(lines * 2).trimmed()));
            for (const bool closing : {true, false}) {
                if (closing) {
                    blocks.push_back(blockOf(Kind::Paragraph, QStringLiteral("Конец.")));
                } else {
                    blocks.pop_back();
                }
                SCOPED_TRACE(testing::Message() << lines << " lines after " << before
                                                << (closing ? " and a closing line" : ""));
                const auto pages = print::flowBlocks(blocks, 4000, 0, 3000);
                for (std::size_t p = 0; p + 1 < pages.size(); ++p) {
                    EXPECT_FALSE(pages[p].back().keepWithNext);
                    EXPECT_NE(pages[p].back().kind, Piece::Kind::Subheading);
                    const auto n = pages[p].size();
                    EXPECT_FALSE(n >= 2 && pages[p][n - 2].kind == Piece::Kind::Subheading);
                }
                // The last paragraph whole when a page can hold it with its
                // heading: a page that starts inside it means they are taller
                // than a page, and even then the last page holds more than its
                // closing line.
                const auto& last = pages.back();
                if (!closing && !last.front().paragraphStart &&
                    last.front().kind == Piece::Kind::Line) {
                    double height = 0;
                    bool kept = false;
                    for (const auto& page : pages) {
                        for (const Piece& piece : page) {
                            const bool starts =
                                !kept && (piece.paragraphStart || piece.kind != Piece::Kind::Line);
                            height =
                                starts ? piece.height : height + piece.spaceBefore + piece.height;
                            kept = piece.keepWithNext;
                        }
                    }
                    EXPECT_GT(height, 3000);
                    EXPECT_GE(last.size(), 2u);
                }
            }
        }
    }
}

// Wherever the page would break, the closing words (the thanks and the
// notice) share the last page with the last lines of the reading before them.
TEST(BookletPages, ClosingWordsNeverAloneOnTheLastPage) {
    const QString sentence = QStringLiteral("Слово за словом складывается ровная строка текста. ");
    for (int before = 0; before <= 30; ++before) {
        std::vector<core::BookletBlock> blocks;
        for (int k = 0; k < before; ++k) {
            blocks.push_back(blockOf(Kind::Paragraph, QStringLiteral("Строка.")));
        }
        blocks.push_back(blockOf(Kind::Subheading, QStringLiteral("Заголовок")));
        blocks.push_back(blockOf(Kind::Paragraph, sentence.repeated(5).trimmed()));
        for (int lines : {2, 4}) {
            blocks.push_back(blockOf(Kind::Paragraph, sentence.repeated(lines).trimmed()));
            blocks.back().closing = true;
        }
        SCOPED_TRACE(testing::Message() << before << " lines before");
        const auto pages = print::flowBlocks(blocks, 4000, 0, 5000);
        ASSERT_GE(pages.size(), 1u);
        EXPECT_TRUE(std::any_of(pages.back().begin(), pages.back().end(),
                                [](const Piece& p) { return !p.closing; }));
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
        page = {forecastOf(23, 7, years[given++]), maria()};
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

// Chosen, the client's events stand on the first page's curve as the
// window's pins (one a year the year rows show, above its curve point) and
// are listed under the year rows as typed; not chosen, the page has neither.
TEST(BookletPages, LifeEventsOnTheFirstPageWhenChosen) {
    const auto painted = [](const std::vector<platform::DrawOp>& ops) {
        std::vector<QRectF> boxes;
        for (const platform::DrawOp& op : ops) {
            if (op.kind == platform::DrawOp::Kind::Painted) {
                boxes.push_back(op.rect);
            }
        }
        return boxes;
    };
    const core::BookletChoice choice{true, true, true, true, 10, 2026};
    print::BookletPages plain = pagesOf("1975", choice);  // 23.08.1975: 4558300
    const std::size_t square = painted(opsOf(plain, 1, std::nullopt)).size();

    const std::vector<graph::YearNote> events = {
        {1998, QStringLiteral("03.1998 — Переезд <b>в Киев</b>")},
        {2011, QStringLiteral("2011 — Свадьба")},
        {2400, QStringLiteral("2400 — вне таблицы")}};
    print::BookletPages marked = pagesOf("1975", choice);
    marked.setEvents(events);
    platform::PrinterPage page;
    marked.compose(page, 1, std::nullopt);
    const std::vector<QRectF> boxes = painted(page.ops());
    // Two pins on the curve and two beside the list, besides the square.
    ASSERT_EQ(boxes.size(), square + 4);
    const core::Forecast& f = marked.booklet().forecast;
    for (const auto& [box, point] :
         {std::pair{boxes[square], 2}, std::pair{boxes[square + 1], 1}}) {
        const core::PointTw p = f.curve[static_cast<std::size_t>(point)];
        EXPECT_NEAR(box.center().x(), p.x + core::kPageGridOrigin.x, 1);
        EXPECT_LT(box.bottom(), p.y + core::kPageGridOrigin.y);
    }
    EXPECT_TRUE(pageHasText(page, QStringLiteral("События жизни")));
    EXPECT_TRUE(pageHasText(page, QStringLiteral("03.1998 — Переезд <b>в Киев</b>")));
    EXPECT_TRUE(pageHasText(page, QStringLiteral("2011 — Свадьба")));
    EXPECT_FALSE(pageHasText(page, QStringLiteral("вне таблицы")));
    EXPECT_FALSE(pageHasText(page, QStringLiteral("…и ещё")));
    // More events than the foot of the page holds end in how many are left.
    std::vector<graph::YearNote> many;
    for (int year = 1976; year <= 2040; ++year) {
        many.push_back({year, QStringLiteral("%1 — событие").arg(year)});
    }
    marked.setEvents(many);
    platform::PrinterPage crowded;
    marked.compose(crowded, 1, std::nullopt);
    EXPECT_TRUE(pageHasText(crowded, QStringLiteral("…и ещё")));
    crowded.setFontSize(10);
    for (const platform::DrawOp& op : crowded.ops()) {
        const double bottom = op.kind == platform::DrawOp::Kind::Painted
                                  ? op.rect.bottom()
                                  : op.p1.y() + crowded.lineHeight();
        EXPECT_LT(bottom, print::kA4PrintableHeightTw) << op.text.toStdString();
    }
    EXPECT_EQ(painted(opsOf(plain, 1, std::nullopt)).size(), square);
}
