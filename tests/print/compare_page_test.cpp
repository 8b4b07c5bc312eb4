#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/booklet.h"
#include "forecast_of.h"
#include "graph/comparison_chart.h"
#include "platform/printer_page.h"
#include "print/compare_page.h"
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

}  // namespace

// Both people, both curves and the aspect columns only for the birth years
// they are counted for; outside them, the line that says so.
TEST(ComparePage, ComposesBothPeopleAndTheAspectRule) {
    const struct {
        const char* firstYear;
        const char* secondYear;
        int columns;  // aspect columns printed
    } cases[] = {
        {"1975", "1990", 2}, {"1975", "2001", 1}, {"1899", "2000", 0}, {"1900", "1999", 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.secondYear);
        const core::ComparedPerson first{forecastOf(23, 7, c.firstYear), QStringLiteral("Иван")};
        const core::ComparedPerson second{forecastOf(5, 4, c.secondYear), QString()};
        const core::Comparison cmp = core::compare(first.forecast, second.forecast, 2000, 2030);
        platform::PrinterPage page;
        int delivered = 0;
        page.setSink([&delivered](const platform::PrinterPage&) { return ++delivered > 0; });
        ASSERT_TRUE(print::PrintComparison(page, first, second, cmp, kMoment, 2026));
        EXPECT_EQ(delivered, 1);
        EXPECT_EQ(textsStarting(page, QStringLiteral("Первый: Иван, дата рождения 23 Август ")), 1);
        EXPECT_EQ(textsStarting(page, QStringLiteral("Второй: дата рождения 5 Май ")), 1);
        EXPECT_EQ(textsStarting(page, QStringLiteral("Аспекты: ")), 2);
        EXPECT_EQ(textsStarting(page, QStringLiteral("Уровень биополя - ")), c.columns);
        EXPECT_EQ(textsStarting(page, print::aspectYearsLine()), 2 - c.columns);
        EXPECT_EQ(textsStarting(page, QStringLiteral("Оба на своём максимуме: ")), 1);
        // Thirty-one years: thirty segments of each curve, plus its legend sample.
        EXPECT_EQ(linesOf(page, graph::firstPersonColor()), 31);
        EXPECT_EQ(linesOf(page, graph::secondPersonColor()),
                  QString::fromLatin1(c.secondYear).toInt() > 2000
                      ? 2030 - QString::fromLatin1(c.secondYear).toInt() + 1
                      : 31);
    }
}

TEST(ComparePage, PdfIsWrittenWholeOrNotAtAll) {
    const core::ComparedPerson first{forecastOf(23, 7, "1975"), QString()};
    const core::ComparedPerson second{forecastOf(5, 4, "1990"), QString()};
    const core::Comparison cmp = core::compare(first.forecast, second.forecast, 1990, 2010);
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("пара.pdf"));
    EXPECT_EQ(print::printComparisonToPdf(first, second, cmp, good, kMoment), QString());
    QFile file(good);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(5), QByteArray("%PDF-"));
    const QString bad = dir.filePath(QStringLiteral("нет/пара.pdf"));
    const QString error = print::printComparisonToPdf(first, second, cmp, bad, kMoment);
    EXPECT_TRUE(error.startsWith(QStringLiteral("Не удалось записать файл")))
        << error.toStdString();
    EXPECT_TRUE(error.contains(bad));
    EXPECT_FALSE(QFile::exists(bad));
}

// The page's head is the report's: the practitioner's letterhead in place of
// the program's lines and emblem when there is one.
TEST(ComparePage, HeadIsTheReportsWithOrWithoutALetterhead) {
    const core::ComparedPerson first{forecastOf(23, 7, "1975"), QString()};
    const core::ComparedPerson second{forecastOf(5, 4, "1990"), QString()};
    const core::Comparison cmp = core::compare(first.forecast, second.forecast, 2000, 2010);
    for (const bool withLetterhead : {false, true}) {
        std::optional<print::Letterhead> letterhead;
        if (withLetterhead) {
            letterhead = print::Letterhead{"Анна Сергеевна", {"+7 900 000-00-00"}, {}};
        }
        platform::PrinterPage page;
        ASSERT_TRUE(print::PrintComparison(page, first, second, cmp, kMoment, {}, letterhead));
        platform::PrinterPage head;
        print::printPageHead(head, letterhead);
        for (const DrawOp& op : head.ops()) {
            if (op.kind == DrawOp::Kind::Text && !op.text.trimmed().isEmpty()) {
                EXPECT_EQ(textsStarting(page, op.text), 1) << op.text.toStdString();
            }
        }
        EXPECT_EQ(textsStarting(page, QStringLiteral("Анна Сергеевна")), withLetterhead ? 1 : 0);
        EXPECT_EQ(textsStarting(page, QStringLiteral("E-Mail")), withLetterhead ? 0 : 1);
    }
}

// With the pair's texts the page is followed by pages of them, each under the
// running head with both people and «Страница k из n»; the page itself stays
// as it was, and no heading is left alone at the foot of a page.
TEST(ComparePage, TextsFollowOnPagesOfTheirOwn) {
    const core::ComparedPerson first{forecastOf(23, 7, "1975"), QStringLiteral("Иван")};
    const core::ComparedPerson second{forecastOf(5, 4, "1990"), QStringLiteral("Мария")};
    const core::Comparison cmp = core::compare(first.forecast, second.forecast, 2000, 2040);
    const std::vector<core::BookletBlock> texts =
        core::pairBlocks(first, second, cmp, core::TextLibrary());
    EXPECT_EQ(print::ComparisonPages(first, second, cmp, 2026).pageCount(), 1);
    for (const std::optional<print::Letterhead>& head :
         {std::optional<print::Letterhead>(),
          std::optional(print::Letterhead{"Анна Сергеевна", {"+7 900"}, {}})}) {
        print::ComparisonPages pages(first, second, cmp, 2026, texts);
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
                print::composeComparison(alone, first, second, cmp, kMoment, 2026, head);
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
        EXPECT_TRUE(all.contains(QStringLiteral("— у обоих")));
        for (const auto& flowed : pages.flowedPages()) {
            EXPECT_FALSE(flowed.back().keepWithNext) << "a heading alone at the foot";
        }
    }
}
