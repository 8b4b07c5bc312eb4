#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "core/forecast.h"
#include "core/report_language.h"

namespace core {

// Turning years: the years a practitioner calls a client about. A year is a
// turning one for a person when its level of life forces (levelInYear) is
// the person's own peak (the life number's largest digit), else their own
// low (its smallest digit), else when it differs from the level of the year
// before by at least a chosen number of levels. The year of birth has no year
// before it, so it turns only at a peak or a low.

enum class Turn { Peak, Low, Change };

// How many levels a change must span: from one to nine, three unless chosen.
inline constexpr int kTurnChangeLeast = 1;
inline constexpr int kTurnChangeMost = 9;
inline constexpr int kTurnChangeDefault = 3;

// The years a turning list and a calendar may be asked for: those the
// forecast's dates are written in.
inline constexpr long long kTurningFirstYear = 1;
inline constexpr long long kTurningLastYear = 9999;

// A calendar holds the turning years among this many after this one.
inline constexpr int kCalendarYears = 10;

struct TurningYear {
    long long year = 0;
    Turn turn = Turn::Peak;
    int level = 0;
    std::optional<int> previous;  // the level of the year before; none in the year of birth
    friend bool operator==(const TurningYear&, const TurningYear&) = default;
};

// The turn of `year` for this forecast, or none: not a turning year, or a
// year before the birth. `leastChange` is kept to kTurnChangeLeast and up.
std::optional<TurningYear> turningYear(const Forecast& forecast, long long year,
                                       int leastChange = kTurnChangeDefault);

// The turning years from `first` to `last`, both counted, in order.
std::vector<TurningYear> turningYears(const Forecast& forecast, long long first, long long last,
                                      int leastChange = kTurnChangeDefault);

// "peak", "low", "change": how JSON and scripts name a turn.
const char* turnCode(Turn turn);
// The turn in a word of `language`: «пик», «минимум», «перемена».
QString turnWord(Turn turn, ReportLanguage language);

// A calendar's words in the person's language (see turning_calendar.h).
enum class CalendarCaption {
    Name,  // «Поворотные годы: %1», whose they are
    Peak,  // «Поворотный год: пик жизненных сил (уровень %1)»
    Low,  // «Поворотный год: минимум жизненных сил (уровень %1)»
    Change,  // «Поворотный год: перемена (уровень %2 после %1)»
};
QString calendarCaption(CalendarCaption caption, ReportLanguage language);

// The year typed for a turning list, or why it is refused (in the user's
// language): not a whole number, or outside kTurningFirstYear to kTurningLastYear.
std::optional<long long> turningYearOf(const QString& text, QString* problem);
// The same for the number of levels a change spans.
std::optional<int> turnChangeOf(const QString& text, QString* problem);

}  // namespace core
