#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "core/booklet.h"
#include "core/forecast_text.h"
#include "core/group.h"
#include "group_of.h"

namespace {

struct GroupCase {
    const char* what;
    std::vector<Born> people;
    long long from;
    long long to;
};

// Each group is checked against what each person's own forecast says: the
// year table's level where the table shows the year, nothing before a birth,
// the shared extremes against each one's own largest and smallest digit, and
// each aspect's holders against each one's own square.
const GroupCase kGroups[] = {
    {"a couple, the second born later", {{23, 7, "1975", "Иван"}, {5, 4, "1990", ""}}, 1975, 2040},
    {"same birth year", {{23, 7, "1975", ""}, {1, 0, "1975", ""}}, 1975, 2030},
    {"the span before every birth", {{23, 7, "1975", ""}, {5, 4, "1990", ""}}, 1900, 1960},
    {"3 and 8 digits", {{1, 0, "1", ""}, {31, 11, "9999", ""}}, 9990, 10040},
    {"a family of four",
     {{23, 7, "1975", "Отец"}, {5, 3, "1978", "Мать"}, {12, 11, "2005", ""}, {1, 5, "2010", ""}},
     1975,
     2060},
    {"three of one year", {{1, 0, "2000", ""}, {2, 1, "2000", ""}, {3, 2, "2000", ""}}, 2000, 2100},
    {"six",
     {{1, 0, "1", ""},
      {1, 0, "2", ""},
      {9, 8, "1950", ""},
      {30, 5, "1984", ""},
      {29, 1, "2000", ""},
      {31, 11, "9999", ""}},
     1,
     120},
};

}  // namespace

TEST(Group, EveryFigureIsOneOfEachPersonsForecast) {
    for (const GroupCase& c : kGroups) {
        SCOPED_TRACE(c.what);
        const core::Group g = groupOf(c.people, {c.from, c.to});
        ASSERT_EQ(g.years.size(), static_cast<std::size_t>(c.to - c.from + 1));
        std::vector<long long> highs;
        std::vector<long long> lows;
        int checkedInTable = 0;
        for (std::size_t i = 0; i < g.years.size(); ++i) {
            const core::GroupYear& y = g.years[i];
            ASSERT_EQ(y.year, c.from + static_cast<long long>(i));
            ASSERT_EQ(y.levels.size(), c.people.size());
            bool allHigh = true;
            bool allLow = true;
            for (std::size_t k = 0; k < y.levels.size(); ++k) {
                const core::Forecast& f = g.members[k].forecast;
                const std::optional<int> level = y.levels[k];
                EXPECT_EQ(level.has_value(), y.year >= f.years[0][0].year) << y.year;
                const core::YearMark mark = core::markYear(f, y.year);
                if (mark.inTable()) {
                    EXPECT_EQ(level, mark.level) << y.year;
                    ++checkedInTable;
                }
                allHigh = allHigh && level == f.largest;
                allLow = allLow && level == f.smallest;
            }
            EXPECT_EQ(y.allHighest, allHigh);
            EXPECT_EQ(y.allLowest, allLow);
            if (allHigh) {
                highs.push_back(y.year);
            }
            if (allLow) {
                lows.push_back(y.year);
            }
        }
        EXPECT_EQ(g.allHighest, highs);
        EXPECT_EQ(g.allLowest, lows);
        EXPECT_GT(checkedInTable, c.from >= 1975 ? 0 : -1);
        for (int digit = 1; digit <= core::kAspectCount; ++digit) {
            std::vector<int> who;
            for (int k = 0; k < g.size(); ++k) {
                if (g.members[std::size_t(k)].forecast.aspects[std::size_t(digit - 1)].present) {
                    who.push_back(k);
                }
            }
            EXPECT_EQ(g.holders[std::size_t(digit - 1)], who) << digit;
            const core::Sharing expected = who.empty()                   ? core::Sharing::None
                                           : int(who.size()) == g.size() ? core::Sharing::All
                                                                         : core::Sharing::Some;
            EXPECT_EQ(g.sharing(digit), expected) << digit;
        }
    }
}

TEST(Group, WorkedExample) {
    // 23.08.1975 gives 4558300 (largest 8, smallest 0), 1.01.1975 gives 199475
    // (largest 9, smallest 1). Both are at their largest when the first is on
    // its fourth digit (1978 + 7k) and the second on its second or third
    // (1976 or 1977 + 6k): within 1975 to 2010 only in 2006.
    const core::Group g = groupOf({{23, 7, "1975"}, {1, 0, "1975"}}, {1975, 2010});
    ASSERT_EQ(g.members[1].forecast.digits, QStringLiteral("199475"));
    EXPECT_EQ(g.allHighest, std::vector<long long>{2006});
    EXPECT_EQ(g.years[3].levels, (std::vector<std::optional<int>>{8, 4}));
    EXPECT_TRUE(groupOf({{1, 0, "1975"}, {1, 0, "1976"}}, {2000, 1999}).years.empty());
    EXPECT_EQ(core::YearSpan::startingIn(2026), (core::YearSpan{2026, 2046}));
    EXPECT_EQ(core::YearSpan::startingIn(99990).to, core::kLatestSpanYear);
}

// The cycle read year by year: the level is the digit of the year's position,
// the shape is against the digit before it, the first after the last.
TEST(Group, CycleYearsFollowTheDigits) {
    const core::Forecast f = forecastOf(23, 7, "1975");  // 4558300
    const struct {
        long long year;
        int level;
        core::YearShape shape;
    } years[] = {
        {1975, 4, core::YearShape::Rise},  // after the last 0
        {1976, 5, core::YearShape::Rise}, {1977, 5, core::YearShape::Same},
        {1978, 8, core::YearShape::Peak}, {1980, 0, core::YearShape::Low},
        {1982, 4, core::YearShape::Rise},
    };
    for (const auto& y : years) {
        const std::optional<core::CycleYear> c = core::cycleYear(f, y.year);
        ASSERT_TRUE(c.has_value()) << y.year;
        EXPECT_EQ(c->level, y.level) << y.year;
        EXPECT_EQ(c->shape, y.shape) << y.year;
    }
    EXPECT_FALSE(core::cycleYear(f, 1974).has_value());
}

TEST(Group, JsonHoldsEachSingleObjectWithItsNameAndNullsBeforeBirth) {
    const core::Group g = groupOf(
        {{23, 7, "1975", "Иванов Иван"}, {5, 4, "1990"}, {1, 5, "2010", " Оля"}}, {1989, 1991});
    QJsonParseError error{};
    const QJsonObject o = QJsonDocument::fromJson(core::groupJson(g), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError);
    EXPECT_EQ(o.keys(), (QStringList{"allHighest", "allLowest", "people", "years"}));
    const QJsonArray people = o.value(QStringLiteral("people")).toArray();
    ASSERT_EQ(people.size(), 3);
    for (int k = 0; k < 3; ++k) {
        QJsonObject single = people[k].toObject();
        EXPECT_EQ(single.take(QStringLiteral("name")).toString(),
                  QString::fromUtf8(k == 0   ? "Иванов Иван"
                                    : k == 1 ? ""
                                             : "Оля"));
        EXPECT_EQ(
            single,
            QJsonDocument::fromJson(core::toJson(g.members[std::size_t(k)].forecast)).object());
    }
    const QJsonArray years = o.value(QStringLiteral("years")).toArray();
    ASSERT_EQ(years.size(), 3);
    const QJsonArray first = years[0].toObject().value(QStringLiteral("levels")).toArray();
    ASSERT_EQ(first.size(), 3);
    EXPECT_TRUE(first[1].isNull());
    EXPECT_TRUE(first[2].isNull());
    EXPECT_EQ(years[1].toObject().value(QStringLiteral("levels")).toArray()[1].toInt(), 1);
    EXPECT_TRUE(core::groupJson(g).startsWith("{\"allHighest\":[],\"allLowest\":[],\"people\":[{"));
    EXPECT_TRUE(core::groupJson(g).endsWith("{\"year\":1991,\"levels\":[5,0,null]}]}"));
}

// Three or more read with every aspect's case; the people who have an aspect
// only some have are named.
TEST(Group, TextNamesWhoHasTheAspectsOnlySomeHave) {
    const core::Group g =
        groupOf({{23, 7, "1975", "Иван"}, {5, 3, "1978", "Мария"}, {12, 11, "2005"}}, {2026, 2028});
    const QString text = core::groupText(g);
    EXPECT_TRUE(text.startsWith(QStringLiteral("1: Иван, 23 Август 1975, процентов счастья 72%")));
    EXPECT_TRUE(text.contains(QStringLiteral("\n3: 12 Декабрь 2005,")));
    EXPECT_TRUE(
        text.contains(QStringLiteral("\nГод         1      2      3\n  2026      5      9")));
    for (const QString& line : core::partlySharedAspects(g)) {
        EXPECT_TRUE(text.contains(QStringLiteral("\n  ") + line + u'\n')) << line.toStdString();
    }
    const QStringList blocks = core::blocksText(core::groupBlocks(g, core::TextLibrary()))
                                   .split(u'\n', Qt::SkipEmptyParts);
    EXPECT_EQ(blocks.first(), QStringLiteral("Вы вместе: Иван, Мария и 12 декабря 2005 г."));
    int headings = 0;
    for (const QString& line : blocks) {
        headings += line.startsWith(u'«') ? 1 : 0;
    }
    EXPECT_EQ(headings, core::kAspectCount);
}
