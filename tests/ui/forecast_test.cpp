#include <gtest/gtest.h>

#include <vector>

#include "aspects/aspect_square.h"
#include "window_fixture.h"

namespace {

const QString kDesign = QStringLiteral("#0000c0");
const QString kGreen = QStringLiteral("#008000");
const QString kRed = QStringLiteral("#ff0000");

struct Example {
    int day, month;
    const char* year;
    long long lifeNumber;
    int digits;
    const char* happiness;
    int max, min;
    std::vector<QPoint> curve;  // empty: not checked
    int firstYearRow0, firstYearRow1, firstYearRow9;
    std::array<int, 9> levels;
    int root;                   // aspect index
    std::vector<int> segments;  // shown LineBon indices
};

const std::vector<Example>& examples() {
    static const std::vector<Example> list = {
        {5,
         5,
         "1990",
         1004950,
         7,
         "15%",
         9,
         0,
         {{600, 3600},
          {1000, 4000},
          {1400, 4000},
          {1800, 2400},
          {2200, 400},
          {2600, 2000},
          {3000, 4000}},
         1990,
         1997,
         2053,
         {1, 1, 0, 0, 2, 1, 0, 0, 2},
         1,
         {8, 12}},
        {23,
         8,
         "1975",
         4558300,
         7,
         "72%",
         8,
         0,
         {{600, 2400},
          {1000, 2000},
          {1400, 2000},
          {1800, 800},
          {2200, 2800},
          {2600, 4000},
          {3000, 4000}},
         1975,
         1982,
         2038,
         {1, 1, 1, 0, 1, 5, 1, 2, 2},
         7,
         {2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 14, 15}},
        {15,
         3,
         "1990",
         2990970,
         7,
         "47%",
         9,
         0,
         {},
         1990,
         1997,
         2053,
         {3, 0, 1, 0, 1, 1, 0, 0, 3},
         0,
         {}},
        {3,
         5,
         "1975",
         602375,
         6,
         "95%",
         7,
         0,
         {},
         1975,
         1981,
         2029,
         {1, 0, 2, 0, 2, 2, 1, 0, 2},
         2,
         {}},
        {2, 1, "150", 30150, 5, "52%", 5, 0, {}, 150, 155, 195, {2, 1, 0, 0, 1, 1, 0, 0, 1}, 8, {}},
        {31,
         12,
         "9999",
         31116888,
         8,
         "49%",
         8,
         1,
         {{600, 2800},
          {1000, 3600},
          {1400, 3600},
          {1800, 3600},
          {2200, 1600},
          {2600, 800},
          {3000, 800},
          {3400, 800}},
         9999,
         10007,
         10071,
         {2, 1, 1, 0, 0, 1, 1, 0, 5},
         6,
         {}},
        {28,
         7,
         "1914",
         5372598,
         7,
         "85%",
         9,
         2,
         {},
         1914,
         1921,
         1977,
         {2, 1, 1, 1, 1, 6, 1, 1, 2},
         4,
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
    };
    return list;
}

}  // namespace

TEST(Forecast, WorkedExamplesOnTheRealWindow) {
    for (const Example& e : examples()) {
        SCOPED_TRACE(testing::Message() << e.day << "." << e.month << "." << e.year);
        WindowFixture f;
        f.calculate(e.day, e.month, QString::fromLatin1(e.year));
        ASSERT_TRUE(f.services.messages.empty());
        const ui::Readback r = f.result();
        EXPECT_EQ(r.lifeNumber, e.lifeNumber);
        EXPECT_EQ(r.digits, e.digits);
        EXPECT_EQ(r.happiness, QString::fromLatin1(e.happiness));
        EXPECT_EQ(r.max, e.max);
        EXPECT_EQ(r.min, e.min);
        EXPECT_EQ(f.window->state().Ob, QStringLiteral("0"));

        for (int d = 0; d < 10; ++d) {
            const QString expected = d == e.min ? kRed : d == e.max ? kGreen : kDesign;
            EXPECT_EQ(r.axisColors[d], expected) << "digit " << d;
        }
        ASSERT_EQ(static_cast<int>(r.curve.size()), e.digits);
        if (!e.curve.empty()) {
            EXPECT_EQ(r.curve, e.curve);
        }
        // 80 grid dots and one segment fewer than digits.
        EXPECT_EQ(f.window->surface()->ops().size(), 80u + e.digits - 1);

        const int shownColumns = e.digits >= 5 && e.digits <= 7 ? e.digits : 8;
        for (int k = 0; k < 8; ++k) {
            EXPECT_EQ(r.years[0][k].text, QString::number(e.firstYearRow0 + k));
            EXPECT_EQ(r.years[1][k].text, QString::number(e.firstYearRow1 + k));
            EXPECT_EQ(r.years[9][k].text, QString::number(e.firstYearRow9 + k));
            for (int i = 0; i < 10; ++i) {
                EXPECT_EQ(r.years[i][k].visible, k < shownColumns) << i << "," << k;
            }
        }

        for (int i = 0; i < 9; ++i) {
            EXPECT_EQ(r.aspects[i].level, e.levels[i]) << "aspect " << i;
            EXPECT_EQ(r.aspects[i].present, e.levels[i] > 0) << "aspect " << i;
            EXPECT_EQ(r.aspects[i].root, i == e.root) << "aspect " << i;
        }
        if (!e.segments.empty()) {
            for (int k = 0; k < 16; ++k) {
                const bool shown =
                    std::find(e.segments.begin(), e.segments.end(), k) != e.segments.end();
                EXPECT_EQ(r.segments[k], shown) << "segment " << k;
            }
        }
    }
}

TEST(Forecast, ThirdColumnListsTheYearsOfTheThirdDigit) {
    WindowFixture f;
    f.calculate(15, 3, QStringLiteral("1990"));
    const ui::Readback r = f.result();
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(r.years[i][2].text, QString::number(1992 + 7 * i));
    }
    // The hidden eighth column still carries its years.
    EXPECT_EQ(r.years[1][7].text, QStringLiteral("2004"));
    EXPECT_FALSE(r.years[1][7].visible);
}

TEST(Forecast, SecondDateLeavesNoTraceOfTheFirst) {
    WindowFixture once;
    once.calculate(23, 8, QStringLiteral("1975"));
    const QJsonObject alone = ui::toJson(once.result());

    WindowFixture twice;
    twice.calculate(31, 12, QStringLiteral("9999"));
    twice.calculate(23, 8, QStringLiteral("1975"));
    const ui::Readback second = twice.result();
    QJsonObject afterOther = ui::toJson(second);
    // Captions of hidden counters may keep an earlier level; nothing reads them.
    QJsonObject a = alone, b = afterOther;
    a.remove(QStringLiteral("aspects"));
    b.remove(QStringLiteral("aspects"));
    EXPECT_EQ(a, b);
    const ui::Readback first = once.result();
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(second.aspects[i].level, first.aspects[i].level);
        EXPECT_EQ(second.aspects[i].present, first.aspects[i].present);
        EXPECT_EQ(second.aspects[i].root, first.aspects[i].root);
    }
    EXPECT_EQ(twice.window->surface()->ops().size(), 80u + 6);
}

TEST(Forecast, StaleHiddenCounterIsNeverCountedOn) {
    WindowFixture f;
    auto* square = f.window->aspectSquare();
    f.calculate(4, 4, QStringLiteral("1944"));  // 4041944: four fours and a root 8
    EXPECT_EQ(f.result().aspects[3].level, 4);
    f.calculate(5, 5, QStringLiteral("1990"));  // no 4
    EXPECT_TRUE(square->LblSub(3)->isHidden());
    EXPECT_EQ(square->LblSub(3)->text(), QStringLiteral("4"));
    EXPECT_EQ(f.result().aspects[3].level, 0);
    f.calculate(14, 1, QStringLiteral("1990"));  // 14011990: one 4
    EXPECT_EQ(f.result().aspects[3].level, 1);
    EXPECT_EQ(square->LblSub(3)->text(), QStringLiteral("1"));
}

TEST(Forecast, YearColumnsFollowTheDigitCount) {
    WindowFixture f;
    const struct {
        int day, month;
        const char* year;
        int digits;
    } steps[] = {{3, 5, "1975", 6}, {15, 3, "1990", 7}, {2, 1, "150", 5}, {31, 12, "9999", 8}};
    for (const auto& s : steps) {
        SCOPED_TRACE(s.digits);
        f.calculate(s.day, s.month, QString::fromLatin1(s.year));
        const ui::Readback r = f.result();
        ASSERT_EQ(r.digits, s.digits);
        for (int k = 0; k < 8; ++k) {
            EXPECT_EQ(r.years[5][k].visible, k < s.digits) << k;
        }
    }
}

TEST(Forecast, MissingDayOrMonthWarnsAndClearsTheGraph) {
    for (const bool dayMissing : {true, false}) {
        SCOPED_TRACE(dayMissing);
        WindowFixture f;
        f.calculate(23, 8, QStringLiteral("1975"));
        (dayMissing ? f.window->CboDay : f.window->CboMonth)->setCurrentIndex(-1);
        f.window->CmdPusk->click();

        ASSERT_EQ(f.services.messages.size(), 1u);
        const platform::Message& m = f.services.messages[0];
        EXPECT_EQ(m.text, QStringLiteral("Выберите месяц и год рождения!"));
        EXPECT_EQ(m.title, QStringLiteral("Введены не все данные"));
        EXPECT_EQ(m.icon, platform::MessageIcon::Warning);
        EXPECT_EQ(m.helpContext, 80);

        const ui::Readback r = f.result();
        EXPECT_TRUE(r.curve.empty());
        EXPECT_EQ(f.window->surface()->ops().size(), 80u);
        EXPECT_EQ(r.happiness, QStringLiteral("72%"));  // kept from before
        EXPECT_TRUE(r.years[0][0].visible);
        for (const QString& c : r.axisColors) {
            EXPECT_EQ(c, kDesign);
        }
        for (const auto& a : r.aspects) {
            EXPECT_FALSE(a.present);
            EXPECT_FALSE(a.root);
        }
        EXPECT_EQ(f.window->state().Mx.value(), 0);
        EXPECT_EQ(f.window->state().Mn.value(), 9);
    }
}

TEST(Forecast, YearThatIsNotPlainDigitsIsRefusedBeforeAnyArithmetic) {
    // Texts the year box lets through but the forecast cannot use.
    const char* years[] = {"", "19a0", "-", "+5", "1,5", "1.5", "1e3", " 199", "١٩٩٠", "abc"};
    for (const char* year : years) {
        SCOPED_TRACE(year);
        WindowFixture f;
        f.calculate(23, 8, QStringLiteral("1975"));
        f.window->TxtYear->setText(QString::fromUtf8(year));
        f.services.messages.clear();
        f.window->CmdPusk->click();

        ASSERT_EQ(f.services.messages.size(), 1u);
        EXPECT_EQ(f.services.messages[0].text,
                  QStringLiteral("Год рождения нужно ввести цифрами: число от 1 до 9999."));
        EXPECT_EQ(f.services.messages[0].icon, platform::MessageIcon::Warning);
        const ui::Readback r = f.result();
        EXPECT_TRUE(r.curve.empty());
        EXPECT_EQ(r.digits, 7);  // kept from the earlier calculation
        EXPECT_EQ(f.window->state().Ob, QStringLiteral("0"));
        for (const auto& a : r.aspects) {
            EXPECT_FALSE(a.present);
        }
        for (const QString& c : r.axisColors) {
            EXPECT_EQ(c, kDesign);
        }
    }
}

TEST(Forecast, RuntimeErrorBecomesAMessageAndTheWindowStaysUsable) {
    WindowFixture f;
    f.window->guarded([] { throw core::RuntimeError(core::RuntimeError::Kind::Overflow); });
    ASSERT_EQ(f.services.messages.size(), 1u);
    EXPECT_EQ(f.services.messages[0].text, QStringLiteral("Расчёт остановлен: Переполнение."));
    f.calculate(5, 5, QStringLiteral("1990"));
    EXPECT_EQ(f.result().happiness, QStringLiteral("15%"));
}

TEST(Forecast, StartState) {
    WindowFixture f;
    const ui::Readback r = f.result();
    EXPECT_EQ(r.happiness, QStringLiteral("00%"));
    EXPECT_EQ(f.window->TxtYear->text(), QStringLiteral("1990"));
    EXPECT_EQ(f.window->CboDay->currentIndex(), -1);
    EXPECT_EQ(f.window->CboMonth->currentIndex(), -1);
    EXPECT_FALSE(f.window->CmdPrint->isEnabled());
    EXPECT_FALSE(f.window->mpPrint->isEnabled());
    EXPECT_EQ(f.window->surface()->ops().size(), 80u);
    for (const auto& row : r.years) {
        for (const auto& cell : row) {
            EXPECT_FALSE(cell.visible);
        }
    }
    EXPECT_TRUE(f.window->Image1->isHidden());
    EXPECT_EQ(f.window->windowTitle(), QStringLiteral("\"Zemtar - Прогноз\", Версия 1.4"));
}
