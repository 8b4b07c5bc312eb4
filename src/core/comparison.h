#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "core/forecast.h"
#include "core/report_language.h"

namespace core {

// Two people side by side: for every calendar year of a span, each person's
// level of life forces, and the years both are at their own extremes. Nothing
// here is a new rule: every figure is one that each person's forecast gives.

// One of the two people: the forecast and the client's name, when known.
struct ComparedPerson {
    Forecast forecast;
    QString name;
    // The name, or the date when there is no name: how legends and lists call them.
    QString label(ReportLanguage language = ReportLanguage::Russian) const;
};

// The level of life forces in a year: the digit whose position governs it, the
// digits read as a cycle from the birth year as the year table reads them;
// none before the birth year.
std::optional<int> levelInYear(const Forecast& forecast, long long year);

struct ComparedYear {
    long long year = 0;
    std::optional<int> first;
    std::optional<int> second;
    bool bothHighest = false;  // both at their own largest digit
    bool bothLowest = false;   // both at their own smallest digit
};

struct Comparison {
    long long fromYear = 0;
    long long toYear = 0;
    std::vector<ComparedYear> years;  // every year of the span, in order
    std::vector<long long> bothHighest;
    std::vector<long long> bothLowest;
    std::array<bool, kAspectCount> commonAspects{};  // present in both squares
};

// The comparison over fromYear to toYear inclusive; empty when fromYear is after
// toYear. The caller keeps the span reasonable (the views allow 500 years).
Comparison compare(const Forecast& first, const Forecast& second, long long fromYear,
                   long long toYear);

// The longest span the views and the companion accept, in years.
inline constexpr long long kLongestSpan = 500;

// The comparison as one compact JSON object without its line end: first and
// second (each the single forecast's object), years, bothHighest, bothLowest.
QByteArray toJson(const Forecast& first, const Forecast& second, const Comparison& c,
                  ReportLanguage language = ReportLanguage::Russian);

// Years as the lists show them, «2027, 2034», or «нет» for none.
QString yearListText(const std::vector<long long>& years,
                     ReportLanguage language = ReportLanguage::Russian);

// The names of the aspects present in both squares, in the square's order.
QStringList commonAspectNames(const Comparison& c,
                              ReportLanguage language = ReportLanguage::Russian);

// The comparison as readable Russian text: both people (the name, when
// known, before the date), then one line a year.
QString toText(const ComparedPerson& first, const ComparedPerson& second, const Comparison& c,
               ReportLanguage language = ReportLanguage::Russian);

}  // namespace core
