#include <gtest/gtest.h>

#include "core/card_words.h"
#include "core/group.h"
#include "forecast_of.h"

TEST(CardWords, FirstSentence) {
    const struct {
        const char* text;
        const char* first;
    } cases[] = {
        {"Уровень 7 — год сильных сил. Многое даётся легче.", "Уровень 7 — год сильных сил."},
        {"  Level 0 is quiet! Rest.", "Level 0 is quiet!"},
        {"Рік 2.5 тощо? Так.", "Рік 2.5 тощо?"},  // a point inside a number goes on
        {"Без конца предложения", "Без конца предложения"},
        {"Пауза… потом дальше", "Пауза…"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(core::firstSentence(QString::fromUtf8(c.text)), QString::fromUtf8(c.first));
    }
}

// The card's years are the cycle's levels and shapes from this year on, as
// many as asked for, none before the birth; their words begin the level's
// text, the practitioner's own with its fields filled.
TEST(CardWords, YearsFromThisYearOn) {
    const core::Forecast f = forecastOf(23, 7, "1975");  // 4558300
    core::TextSet own(QStringLiteral("ru"));
    core::TextLibrary library(own);
    ASSERT_TRUE(
        library.setText(u"level.5", QStringLiteral("Для вас, {имя}: пять. Ещё.")).isEmpty());
    core::Person person;
    person.names = {QStringLiteral("Иванова"), QStringLiteral("Мария"), {}};
    const struct {
        long long thisYear;
        int count;
        std::vector<long long> years;
    } cases[] = {{2026, 4, {2026, 2027, 2028, 2029}}, {1973, 4, {1975, 1976}}, {1975, 1, {1975}}};
    for (const auto& c : cases) {
        const std::vector<core::CardYear> years =
            core::cardYears(f, person, library, c.thisYear, c.count);
        ASSERT_EQ(years.size(), c.years.size()) << c.thisYear;
        for (std::size_t i = 0; i < years.size(); ++i) {
            const std::optional<core::CycleYear> cycle = core::cycleYear(f, c.years[i]);
            ASSERT_TRUE(cycle);
            EXPECT_EQ(years[i].year, c.years[i]);
            EXPECT_EQ(years[i].level, cycle->level);
            EXPECT_EQ(years[i].shape, cycle->shape);
            EXPECT_EQ(years[i].words,
                      cycle->level == 5
                          ? QStringLiteral("Для вас, Мария: пять.")
                          : core::firstSentence(library.text(core::levelKey(cycle->level))));
        }
    }
    // 2026 is the 52nd year, the cycle's third digit: its cycle runs 2024 to 2030.
    EXPECT_EQ(core::cycleYearsAround(f, 2026),
              (std::vector<long long>{2024, 2025, 2026, 2027, 2028, 2029, 2030}));
    EXPECT_TRUE(core::cycleYearsAround(f, 1974).empty());
}
