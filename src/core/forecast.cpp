#include "core/forecast.h"

#include "core/numeric.h"

namespace core {

QString dayMonthString(const QString& dayText, int monthIndex) {
    const Int16 month = Int16::of(monthIndex) + Int16::of(1);
    QString monthText = decimal(month);
    if (monthText.size() == 1) {
        monthText.prepend(u'0');
    }
    return dayText + monthText;
}

Int32 lifeNumber(const QString& yearText, const QString& dayMonth, const QLocale& locale) {
    const Int32 year = toInt32(yearText, locale);
    const Int32 dm = toInt32(dayMonth, locale);
    return year * dm;
}

Byte digitCount(Int32 lifeNumber) {
    return Byte::of(decimal(lifeNumber).size());
}

QString birthDigits(const QString& dayMonth, const QString& yearText) {
    return dayMonth + yearText;
}

QString OprPrc(Int32 Num) {
    const int divisor = digitCount(Num).value() > 5 ? 63 : 57;
    // The whole part of the quotient of two positive whole numbers is exact in
    // integer arithmetic; for quotients below 10 it is the single digit shown.
    const long long whole = Num.wide() / divisor;
    return QString::number(whole).left(2);
}

bool isAcceptedYear(const QString& yearText) {
    if (yearText.isEmpty() || yearText.size() > 4) {
        return false;
    }
    int value = 0;
    for (const QChar c : yearText) {
        if (c < u'0' || c > u'9') {
            return false;
        }
        value = value * 10 + (c.unicode() - u'0');
    }
    return value >= 1 && value <= 9999;
}

}  // namespace core
