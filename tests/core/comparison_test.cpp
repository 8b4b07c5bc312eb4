#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "core/comparison.h"
#include "core/forecast_text.h"
#include "forecast_of.h"

namespace {

struct Person {
    int day;
    int monthIndex;
    const char* year;
};

struct Pair {
    const char* what;
    Person first;
    Person second;
    long long from;
    long long to;
};

// Every pair is checked against what each person's own forecast says: the year
// table's level where the table shows the year, nothing before a birth, and
// the shared extremes against each person's own largest and smallest digit.
const Pair kPairs[] = {
    {"second born later", {23, 7, "1975"}, {5, 4, "1990"}, 1975, 2040},
    {"same birth year", {23, 7, "1975"}, {1, 0, "1975"}, 1975, 2030},
    {"span before both births", {23, 7, "1975"}, {5, 4, "1990"}, 1900, 1960},
    {"3 and 8 digits", {1, 0, "1"}, {31, 11, "9999"}, 9990, 10040},
    {"3 digits each", {1, 0, "1"}, {1, 0, "2"}, 1, 25},
};

}  // namespace

TEST(Comparison, LevelsAndSharedExtremesFollowEachForecast) {
    for (const Pair& p : kPairs) {
        SCOPED_TRACE(p.what);
        const core::Forecast a = forecastOf(p.first.day, p.first.monthIndex, p.first.year);
        const core::Forecast b = forecastOf(p.second.day, p.second.monthIndex, p.second.year);
        const core::Comparison c = core::compare(a, b, p.from, p.to);
        ASSERT_EQ(c.years.size(), static_cast<std::size_t>(p.to - p.from + 1));
        std::vector<long long> highs;
        std::vector<long long> lows;
        int checkedInTable = 0;
        for (std::size_t i = 0; i < c.years.size(); ++i) {
            const core::ComparedYear& y = c.years[i];
            ASSERT_EQ(y.year, p.from + static_cast<long long>(i));
            const struct {
                const core::Forecast& f;
                std::optional<int> level;
            } sides[] = {{a, y.first}, {b, y.second}};
            for (const auto& side : sides) {
                EXPECT_EQ(side.level.has_value(), y.year >= side.f.years[0][0].year) << y.year;
                const core::YearMark mark = core::markYear(side.f, y.year);
                if (mark.inTable()) {
                    EXPECT_EQ(side.level, mark.level) << y.year;
                    ++checkedInTable;
                }
            }
            if (y.first && y.second) {
                if (*y.first == a.largest && *y.second == b.largest) {
                    highs.push_back(y.year);
                }
                if (*y.first == a.smallest && *y.second == b.smallest) {
                    lows.push_back(y.year);
                }
            }
        }
        EXPECT_EQ(c.bothHighest, highs);
        EXPECT_EQ(c.bothLowest, lows);
        if (p.from >= 1975) {
            EXPECT_GT(checkedInTable, 0);
        }
    }
}

TEST(Comparison, WorkedExample) {
    // 23.08.1975 gives 4558300 (largest 8, smallest 0), 1.01.1975 gives 199475
    // (largest 9, smallest 1). Both are at their largest when the first is on
    // its fourth digit (1978 + 7k) and the second on its second or third
    // (1976 or 1977 + 6k): within 1975 to 2010 only in 2006.
    const core::Forecast a = forecastOf(23, 7, "1975");
    const core::Forecast b = forecastOf(1, 0, "1975");
    ASSERT_EQ(b.digits, QStringLiteral("199475"));
    const core::Comparison c = core::compare(a, b, 1975, 2010);
    EXPECT_EQ(c.bothHighest, std::vector<long long>{2006});
    EXPECT_EQ(c.years[3].first, 8);
    EXPECT_EQ(c.years[3].second, 4);
    EXPECT_TRUE(core::compare(a, b, 2000, 1999).years.empty());
}

TEST(Comparison, JsonHoldsBothSingleObjectsAndNullsBeforeBirth) {
    const core::Forecast a = forecastOf(23, 7, "1975");
    const core::Forecast b = forecastOf(5, 4, "1990");
    const core::Comparison c = core::compare(a, b, 1989, 1991);
    QJsonParseError error{};
    const QJsonObject o = QJsonDocument::fromJson(core::toJson(a, b, c), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError);
    EXPECT_EQ(o.value(QStringLiteral("first")).toObject(),
              QJsonDocument::fromJson(core::toJson(a)).object());
    EXPECT_EQ(o.value(QStringLiteral("second")).toObject(),
              QJsonDocument::fromJson(core::toJson(b)).object());
    const QJsonArray years = o.value(QStringLiteral("years")).toArray();
    ASSERT_EQ(years.size(), 3);
    EXPECT_TRUE(years[0].toObject().value(QStringLiteral("second")).isNull());
    EXPECT_EQ(years[1].toObject().value(QStringLiteral("second")).toInt(), 1);
    EXPECT_EQ(years[2].toObject().value(QStringLiteral("year")).toInt(), 1991);
}
