#include "core/turning.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <cstdlib>

#include "core/group.h"

namespace core {

namespace {

// Russian, Ukrainian and English, in the order of ReportLanguage.
using Words = std::array<QStringView, kReportLanguageCount>;

constexpr std::array<Words, 3> kTurnWords{{
    {u"пик", u"пік", u"peak"},
    {u"минимум", u"мінімум", u"low"},
    {u"перемена", u"зміна", u"change"},
}};

constexpr std::array<Words, 4> kCalendarWords{{
    {u"Поворотные годы: %1", u"Поворотні роки: %1", u"Turning years: %1"},
    {u"Поворотный год: пик жизненных сил (уровень %1)",
     u"Поворотний рік: пік життєвих сил (рівень %1)",
     u"Turning year: a peak of life forces (level %1)"},
    {u"Поворотный год: минимум жизненных сил (уровень %1)",
     u"Поворотний рік: мінімум життєвих сил (рівень %1)",
     u"Turning year: a low of life forces (level %1)"},
    {u"Поворотный год: перемена (уровень %2 после %1)",
     u"Поворотний рік: зміна (рівень %2 після %1)", u"Turning year: a change (level %2 after %1)"},
}};

}  // namespace

std::optional<TurningYear> turningYear(const Forecast& forecast, long long year, int leastChange) {
    const std::optional<int> level = levelInYear(forecast, year);
    if (!level) {
        return std::nullopt;
    }
    TurningYear t;
    t.year = year;
    t.level = *level;
    t.previous = levelInYear(forecast, year - 1);
    if (*level == forecast.largest) {
        t.turn = Turn::Peak;
        return t;
    }
    if (*level == forecast.smallest) {
        t.turn = Turn::Low;
        return t;
    }
    const int least = std::max(leastChange, kTurnChangeLeast);
    if (t.previous && std::abs(*level - *t.previous) >= least) {
        t.turn = Turn::Change;
        return t;
    }
    return std::nullopt;
}

std::vector<TurningYear> turningYears(const Forecast& forecast, long long first, long long last,
                                      int leastChange) {
    std::vector<TurningYear> years;
    for (long long year = first; year <= last; ++year) {
        if (std::optional<TurningYear> t = turningYear(forecast, year, leastChange)) {
            years.push_back(*t);
        }
    }
    return years;
}

const char* turnCode(Turn turn) {
    switch (turn) {
        case Turn::Peak:
            return "peak";
        case Turn::Low:
            return "low";
        case Turn::Change:
            break;
    }
    return "change";
}

QString turnWord(Turn turn, ReportLanguage language) {
    return kTurnWords[static_cast<std::size_t>(turn)][static_cast<std::size_t>(language)]
        .toString();
}

QString calendarCaption(CalendarCaption caption, ReportLanguage language) {
    return kCalendarWords[static_cast<std::size_t>(caption)][static_cast<std::size_t>(language)]
        .toString();
}

std::optional<long long> turningYearOf(const QString& text, QString* problem) {
    bool ok = false;
    const long long year = text.trimmed().toLongLong(&ok);
    if (ok && year >= kTurningFirstYear && year <= kTurningLastYear) {
        return year;
    }
    if (problem) {
        *problem = QCoreApplication::translate(
                       "Turning", "Поворотные годы считаются для годов с %1 по %2, а не «%3».")
                       .arg(QString::number(kTurningFirstYear), QString::number(kTurningLastYear),
                            text.trimmed());
    }
    return std::nullopt;
}

std::optional<int> turnChangeOf(const QString& text, QString* problem) {
    bool ok = false;
    const int levels = text.trimmed().toInt(&ok);
    if (ok && levels >= kTurnChangeLeast && levels <= kTurnChangeMost) {
        return levels;
    }
    if (problem) {
        *problem = QCoreApplication::translate("Turning",
                                               "Перемена — число уровней от %1 до %2, а не «%3».")
                       .arg(QString::number(kTurnChangeLeast), QString::number(kTurnChangeMost),
                            text.trimmed());
    }
    return std::nullopt;
}

}  // namespace core
