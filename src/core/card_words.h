#pragma once

#include <QString>
#include <vector>

#include "core/forecast.h"
#include "core/person.h"
#include "core/text_keys.h"
#include "core/text_library.h"

namespace core {

// What the messenger card says about the years ahead: each year's level and
// shape as the cycle reads them, and a few words of the library on its level.
struct CardYear {
    long long year = 0;
    int level = 0;
    YearShape shape = YearShape::Same;
    QString words;  // the first sentence of the level's text, as the client reads it
};

// The years from `thisYear` on, at most `count` of them, that the forecast
// has a level for (none before the birth year); the words are the person's
// language's, in the variant for their gender, fields filled.
std::vector<CardYear> cardYears(const Forecast& forecast, const Person& person,
                                const TextLibrary& library, long long thisYear, int count);

// The years of the cycle that holds `year`, one a digit of the life number,
// left to right as the curve runs: what the card writes under its points.
// Empty for a year before the birth year.
std::vector<long long> cycleYearsAround(const Forecast& forecast, long long year);

// The text up to the end of its first sentence (a full stop, «!», «?» or «…»
// followed by a blank or the end), blanks around it dropped; the whole text
// when it has no such end.
QString firstSentence(const QString& text);

}  // namespace core
