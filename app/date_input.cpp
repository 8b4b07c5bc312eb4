#include "app/date_input.h"

#include <QCoreApplication>
#include "core/months.h"
#include "core/year_reading.h"

namespace companion {

namespace {

// The date as the window's lists and year box would take it. Every field that
// the window could not take is refused alike, as data (exit 2, one line). A
// year the year box would replace by its default is refused too: the
// companion never computes for another year than the one it was given.
std::variant<core::BirthDate, Problem> readDate(const QString& dayText, const QString& monthText,
                                                const QString& year) {
    bool ok = false;
    const int day = dayText.toInt(&ok);
    // A day of 0 is the window's «none chosen»: here it is a day not taken,
    // as any text that is no number. A number out of range is the
    // calculation's to refuse.
    if (!ok || day == 0) {
        return Problem{
            kExitRefused,
            QCoreApplication::translate("DateInput", "День «%1» не принят: нужно число от 1 до 31.")
                .arg(dayText)};
    }
    const int month = core::parseMonth(monthText);
    if (month < 0) {
        return Problem{
            kExitRefused,
            QCoreApplication::translate("DateInput",
                                        "Месяц «%1» не принят: нужен номер от 1 до 12 или название "
                                        "месяца.")
                .arg(monthText)};
    }
    if (year.size() > 4) {
        return Problem{kExitRefused, QCoreApplication::translate(
                                         "DateInput",
                                         "Год «%1» не принят: в поле года помещается не больше 4 "
                                         "символов.")
                                         .arg(year)};
    }
    if (core::yearBoxReplaces(year)) {
        return Problem{kExitRefused,
                       QCoreApplication::translate(
                           "DateInput",
                           "Год «%1» вне диапазона от 1 до 9999: поле года заменило бы "
                           "его на %2, прогноз не составлен.")
                           .arg(year, QLatin1String(core::kDefaultYear))};
    }
    return core::BirthDate{day, month, year};
}

}  // namespace

std::variant<core::Forecast, Problem> forecastFor(const QString& day, const QString& month,
                                                  const QString& year) {
    const auto date = readDate(day, month, year);
    if (const auto* problem = std::get_if<Problem>(&date)) {
        return *problem;
    }
    const core::Calculation result = core::calculate(std::get<core::BirthDate>(date));
    if (const auto* refusal = std::get_if<core::Refusal>(&result)) {
        return Problem{kExitRefused, refusal->text};
    }
    return std::get<core::Forecast>(result);
}

std::optional<core::YearMark> markOf(const core::Forecast& f, std::optional<int> year) {
    if (!year) {
        return std::nullopt;
    }
    return core::markYear(f, *year);
}

}  // namespace companion
