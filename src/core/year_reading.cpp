#include "core/year_reading.h"

#include "core/errors.h"
#include "core/numeric.h"

namespace core {

Int32 lifeNumber(const QString& yearText, const QString& dayMonth, const QLocale& locale) {
    const Int32 year = toInt32(yearText, locale);
    const Int32 dm = toInt32(dayMonth, locale);
    return year * dm;
}

bool yearBoxReplaces(const QString& yearText, const QLocale& locale) {
    if (yearText.isEmpty() || !isNumeric(yearText, locale)) {
        return false;
    }
    try {
        const double year = toDouble(yearText, locale);
        return !(year >= 1 && year <= 9999);
    } catch (const RuntimeError&) {
        return true;  // an exponent too large for a number is out of range as well
    }
}

}  // namespace core
