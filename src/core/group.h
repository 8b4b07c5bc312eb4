#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "core/forecast.h"
#include "core/person.h"
#include "core/report_language.h"
#include "core/sharing.h"
#include "core/text_keys.h"

namespace core {

// Two to six people on one calendar: a couple, a family, a founding team. For
// every year of a span each person's level of life forces, the years all are
// at their own extremes, and who has which aspect. Nothing here is a new rule:
// every figure is one that each person's own forecast gives.

inline constexpr int kGroupLeast = 2;
inline constexpr int kGroupMost = 6;

// The years a span takes after its first when no last year is given: the
// group window opens on this year and these years after it, and the
// companion's --from without --to goes as far.
inline constexpr long long kSpanYearsAfterFirst = 20;
// The longest span the views and the companion accept, in years.
inline constexpr long long kLongestSpan = 500;
// The last year a span may reach.
inline constexpr long long kLatestSpanYear = 99999;

// First and last year, both counted.
struct YearSpan {
    long long from = 0;
    long long to = 0;

    // From `first` on, kSpanYearsAfterFirst years further, no later than kLatestSpanYear.
    static YearSpan startingIn(long long first);
    long long length() const { return to - from + 1; }
    friend bool operator==(YearSpan, YearSpan) = default;
};

// One person of a group with the forecast of their date of birth.
struct GroupMember {
    Person person;
    Forecast forecast;
};

// The level of life forces in a year: the digit whose position governs it, the
// digits read as a cycle from the birth year as the year table reads them;
// none before the birth year.
std::optional<int> levelInYear(const Forecast& forecast, long long year);

// A year as the cycle reads it: its level, and its shape against the year
// before, the first digit following the last. None before the birth year.
struct CycleYear {
    int level = 0;
    int position = 0;  // the digit of the life number that governs the year, from 0
    YearShape shape = YearShape::Same;
};
std::optional<CycleYear> cycleYear(const Forecast& forecast, long long year);

struct GroupYear {
    long long year = 0;
    std::vector<std::optional<int>> levels;  // one per member, none before the birth
    bool allHighest = false;                 // every member at their own largest digit
    bool allLowest = false;                  // every member at their own smallest digit
};

struct Group {
    std::vector<GroupMember> members;
    YearSpan span;
    std::vector<GroupYear> years;  // every year of the span, in order
    std::vector<long long> allHighest;
    std::vector<long long> allLowest;
    // For each aspect (digit 1 is [0]), the members whose square has it, in order.
    std::array<std::vector<int>, kAspectCount> holders{};

    Sharing sharing(int digit) const;
    int size() const { return static_cast<int>(members.size()); }
};

// The group of `members` over `span`; no years when the span is reversed. The
// callers keep to two to six members and to kLongestSpan years.
Group makeGroup(std::vector<GroupMember> members, YearSpan span);

// How legends and lists call a person: the names, or the date of birth when
// there are none (as the window's lists name the month in Russian, as the
// page of that language writes it otherwise).
QString personLabel(const Person& person, ReportLanguage language = ReportLanguage::Russian);
// The same, short, where room is scarce: the first name, else the surname,
// else the patronymic, else the date.
QString shortLabel(const Person& person, ReportLanguage language = ReportLanguage::Russian);

// Years as the lists show them, «2027, 2034», or «нет» for none.
QString yearListText(const std::vector<long long>& years,
                     ReportLanguage language = ReportLanguage::Russian);

// The names of the aspects every member has, in the square's order.
QStringList sharedAspectNames(const Group& group,
                              ReportLanguage language = ReportLanguage::Russian);

// The aspects only some members have, each as «Любовь — Анна, Иван» with the
// holders' labels (short ones when asked), in the square's order.
QStringList partlySharedAspects(const Group& group,
                                ReportLanguage language = ReportLanguage::Russian,
                                bool shortNames = false);

// The group as one compact JSON object without its line end: people (each
// member's single-forecast object with its name), years ({"year", "levels"},
// null before a birth), allHighest and allLowest.
QByteArray groupJson(const Group& group, ReportLanguage language = ReportLanguage::Russian);

// Two people as the companion's --compare has always written them: first and
// second (each the single forecast's object), years with first and second,
// bothHighest and bothLowest. Only the first two members count.
QByteArray pairJson(const Group& group, ReportLanguage language = ReportLanguage::Russian);

// The group as readable text: each member (the name, when known, before the
// date), then one line a year; for more than two the years all are at their
// extremes and the aspects all or only some have. Two people read exactly as
// the comparison of two always has.
QString groupText(const Group& group, ReportLanguage language = ReportLanguage::Russian);

}  // namespace core
