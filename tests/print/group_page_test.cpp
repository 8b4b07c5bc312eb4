#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QTemporaryDir>

#include "core/booklet.h"
#include "core/group_words.h"
#include "graph/group_chart.h"
#include "group_of.h"
#include "platform/fonts.h"
#include "platform/printer_page.h"
#include "platform/replay.h"
#include "print/group_page.h"
#include "print/report.h"
#include "same_ops.h"

using platform::DrawOp;

namespace {

const QDateTime kMoment(QDate(2026, 5, 1), QTime(14, 3, 7));

int textsStarting(const platform::PrinterPage& page, const QString& start) {
    int count = 0;
    for (const DrawOp& op : page.ops()) {
        count += op.kind == DrawOp::Kind::Text && op.text.startsWith(start) ? 1 : 0;
    }
    return count;
}

int linesOf(const platform::PrinterPage& page, const QColor& color) {
    int count = 0;
    for (const DrawOp& op : page.ops()) {
        count += op.kind == DrawOp::Kind::Line && op.color == color ? 1 : 0;
    }
    return count;
}

// How far a text reaches to the right of where it starts, twips; 0 for a
// drawing and for a text that shows nothing.
double widthOf(const DrawOp& op) {
    if (op.kind != DrawOp::Kind::Text || op.text.trimmed().isEmpty()) {
        return 0;
    }
    return QFontMetricsF(
               platform::twipFont(platform::printerFamily(), op.fontSize, op.bold, op.underline))
        .horizontalAdvance(op.text);
}

}  // namespace

// Two people read as the comparison page always has: both people, both
// curves and the aspect columns only for the birth years they are counted
// for; outside them, the line that says so.
TEST(GroupPage, TwoPeopleComposeThePairPage) {
    const struct {
        const char* firstYear;
        const char* secondYear;
        int columns;  // aspect columns printed
    } cases[] = {
        {"1975", "1990", 2}, {"1975", "2001", 1}, {"1899", "2000", 0}, {"1900", "1999", 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.secondYear);
        const core::Group g =
            groupOf({{23, 7, c.firstYear, " Иван"}, {5, 4, c.secondYear}}, {2000, 2030});
        platform::PrinterPage page;
        print::composeGroupPage(page, g, kMoment, 2026, {}, core::ReportLanguage::Russian);
        EXPECT_EQ(textsStarting(page, QStringLiteral("Первый: Иван, дата рождения 23 Август ")), 1);
        EXPECT_EQ(textsStarting(page, QStringLiteral("Второй: дата рождения 5 Май ")), 1);
        EXPECT_EQ(textsStarting(page, QStringLiteral("Аспекты: ")), 2);
        EXPECT_EQ(textsStarting(page, QStringLiteral("Уровень биополя - ")), c.columns);
        EXPECT_EQ(textsStarting(page, print::aspectYearsLine()), 2 - c.columns);
        EXPECT_EQ(textsStarting(page, QStringLiteral("Оба на своём максимуме: ")), 1);
        for (int k = 0; k < 2; ++k) {
            const core::Forecast& f = g.members[std::size_t(k)].forecast;
            if (f.aspectsCounted) {
                // The percentages are the forecast's own, not read back from a drawing.
                EXPECT_EQ(
                    textsStarting(page, QStringLiteral("Любовь - %1%").arg(f.aspects[4].percent)),
                    1 + (k == 1 && g.members[0].forecast.aspectsCounted &&
                         g.members[0].forecast.aspects[4].percent == f.aspects[4].percent));
            }
        }
    }
}

// Three to six people on one sheet: a line each, every curve in its own
// colour, the years all share, who has the aspects only some have, and one
// table of everyone's percentages; nothing runs off the A4 page.
TEST(GroupPage, ManyPeopleFitOneSheet) {
    const std::vector<Born> family{{23, 7, "1975", "Волков Игорь"},
                                   {5, 3, "1978", "Волкова Мария"},
                                   {12, 11, "2005", "Волков Андрей"},
                                   {1, 5, "2010", "Волкова Ольга"},
                                   {30, 4, "1950", "Константинопольская Александра Вениаминовна"},
                                   {9, 8, "1948", "Преображенский Вениамин Александрович"}};
    for (std::size_t n = 3; n <= family.size(); ++n) {
        SCOPED_TRACE(n);
        const core::Group g =
            groupOf(std::vector<Born>(family.begin(), family.begin() + long(n)), {2020, 2045});
        platform::PrinterPage page;
        print::composeGroupPage(page, g, kMoment, 2026, {}, core::ReportLanguage::Russian);
        EXPECT_EQ(textsStarting(page, QStringLiteral("Прогнозы вместе")), 1);
        for (std::size_t k = 0; k < n; ++k) {
            EXPECT_EQ(textsStarting(page, QStringLiteral("%1: %2, ")
                                              .arg(k + 1)
                                              .arg(core::fullName(g.members[k].person.names))),
                      1);
            EXPECT_GT(linesOf(page, graph::memberStyle(int(k)).color), 25) << k;
        }
        EXPECT_EQ(textsStarting(page, QStringLiteral("Все на своём максимуме: ")), 1);
        EXPECT_EQ(textsStarting(page, QStringLiteral("Аспекты только у некоторых: ")), 1);
        // The table's head and the two lists.
        EXPECT_EQ(textsStarting(page, QStringLiteral("Аспект")), 3);
        for (const DrawOp& op : page.ops()) {
            EXPECT_LT(op.p1.y(), print::kA4PrintableHeightTw - 300) << op.text.toStdString();
            EXPECT_LE(op.p1.x() + widthOf(op), page.scaleWidth()) << op.text.toStdString();
        }
    }
}

TEST(GroupPage, PdfIsWrittenWholeOrNotAtAll) {
    const core::Group g = groupOf({{23, 7, "1975"}, {5, 4, "1990"}}, {1990, 2010});
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("пара.pdf"));
    EXPECT_EQ(print::printGroupToPdf(g, good, kMoment), QString());
    QFile file(good);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(5), QByteArray("%PDF-"));
    const QString bad = dir.filePath(QStringLiteral("нет/пара.pdf"));
    const QString error = print::printGroupToPdf(g, bad, kMoment);
    EXPECT_TRUE(error.startsWith(QStringLiteral("Не удалось записать файл")))
        << error.toStdString();
    EXPECT_TRUE(error.contains(QDir::toNativeSeparators(bad))) << error.toStdString();
    EXPECT_FALSE(QFile::exists(bad));
}

// The page's head is the report's: the practitioner's letterhead in place of
// the program's lines and emblem when there is one.
TEST(GroupPage, HeadIsTheReportsWithOrWithoutALetterhead) {
    const core::Group pair = groupOf({{23, 7, "1975"}, {5, 4, "1990"}}, {2000, 2010});
    const core::Group three =
        groupOf({{23, 7, "1975"}, {5, 4, "1990"}, {1, 0, "2000"}}, {2000, 2010});
    for (const bool withLetterhead : {false, true}) {
        for (const core::Group* g : {&pair, &three}) {
            std::optional<print::Letterhead> letterhead;
            if (withLetterhead) {
                letterhead = print::Letterhead{"Анна Сергеевна", {"+7 900 000-00-00"}, {}};
            }
            platform::PrinterPage page;
            print::composeGroupPage(page, *g, kMoment, {}, letterhead,
                                    core::ReportLanguage::Russian);
            platform::PrinterPage head;
            print::printPageHead(head, letterhead);
            for (const DrawOp& op : head.ops()) {
                if (op.kind == DrawOp::Kind::Text && !op.text.trimmed().isEmpty()) {
                    EXPECT_EQ(textsStarting(page, op.text), 1) << op.text.toStdString();
                }
            }
            EXPECT_EQ(textsStarting(page, QStringLiteral("Анна Сергеевна")),
                      withLetterhead ? 1 : 0);
            EXPECT_EQ(textsStarting(page, QStringLiteral("E-Mail")), withLetterhead ? 0 : 1);
        }
    }
}

// With the pair's texts the page is followed by pages of them, each under the
// running head with both people and «Страница k из n»; the page itself stays
// as it was, and no heading is left alone at the foot of a page.
TEST(GroupPage, TextsFollowOnPagesOfTheirOwn) {
    const core::Group g =
        groupOf({{23, 7, "1975", " Иван"}, {5, 4, "1990", " Мария"}}, {2000, 2040});
    const std::vector<core::BookletBlock> texts = core::groupBlocks(g, core::TextLibrary());
    EXPECT_EQ(print::GroupPages(g, 2026).pageCount(), 1);
    for (const std::optional<print::Letterhead>& head :
         {std::optional<print::Letterhead>(),
          std::optional(print::Letterhead{"Анна Сергеевна", {"+7 900"}, {}})}) {
        print::GroupPages pages(g, 2026, texts);
        print::PageContext context = print::quietContext(kMoment, head);
        const int count = *pages.pageCount();
        ASSERT_GE(count, 2);
        QStringList words;
        for (context.pageNumber = 1; context.pageNumber <= count + 1; ++context.pageNumber) {
            platform::PrinterPage page;
            const auto step = pages.composePage(page, context);
            ASSERT_EQ(step, context.pageNumber <= count ? print::PageComposer::Step::Page
                                                        : print::PageComposer::Step::End);
            if (context.pageNumber == 1) {
                platform::PrinterPage alone;
                print::composeGroupPage(alone, g, kMoment, 2026, head,
                                        core::ReportLanguage::Russian);
                EXPECT_TRUE(sameOps(page.ops(), alone.ops()));
            } else if (step == print::PageComposer::Step::Page) {
                QStringList lines;
                for (const DrawOp& op : page.ops()) {
                    lines << op.text;
                }
                const QString text = lines.join(u'\n');
                EXPECT_TRUE(text.contains(
                    QStringLiteral("Страница %1 из %2").arg(context.pageNumber).arg(count)));
                EXPECT_TRUE(text.contains(QStringLiteral("\nИван и Мария\n")));
                EXPECT_TRUE(text.contains(head ? head->name : QStringLiteral("Версия")));
                words << text;
            }
        }
        const QString all = words.join(u' ');
        EXPECT_TRUE(all.contains(QStringLiteral("Вы вдвоём: Иван и Мария")));
        EXPECT_TRUE(all.contains(QStringLiteral("— у каждого из вас")));
        for (const auto& flowed : pages.flowedPages()) {
            EXPECT_FALSE(flowed.back().keepWithNext) << "a heading alone at the foot";
        }
    }
}
