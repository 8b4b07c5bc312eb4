#include "core/months.h"

#include "core/numeric.h"

namespace core {

namespace {

const char* const kMonths[12] = {"Январь", "Февраль", "Март",     "Апрель",  "Май",    "Июнь",
                                 "Июль",   "Август",  "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"};

// The genitive, as in «23 августа»: how dates are written in running text.
const char* const kMonthsGenitive[12] = {"января",   "февраля", "марта",  "апреля",
                                         "мая",      "июня",    "июля",   "августа",
                                         "сентября", "октября", "ноября", "декабря"};

}  // namespace

QString monthName(int monthIndex) {
    return monthIndex >= 0 && monthIndex < 12 ? QString::fromUtf8(kMonths[monthIndex]) : QString();
}

QString monthGenitive(int monthIndex) {
    return monthIndex >= 0 && monthIndex < 12 ? QString::fromUtf8(kMonthsGenitive[monthIndex])
                                              : QString();
}

int parseMonth(const QString& text) {
    const QString month = text.trimmed();
    bool isNumber = false;
    const int number = month.toInt(&isNumber);
    if (isNumber) {
        // Only plain digits: "+8" and " 8 " inside are not how a month is written.
        const bool digitsOnly = isDigitString(month) && month.size() <= 2;
        return digitsOnly && number >= 1 && number <= 12 ? number - 1 : -1;
    }
    for (int m = 0; m < 12; ++m) {
        if (month.compare(QString::fromUtf8(kMonths[m]), Qt::CaseInsensitive) == 0 ||
            month.compare(QString::fromUtf8(kMonthsGenitive[m]), Qt::CaseInsensitive) == 0) {
            return m;
        }
    }
    return -1;
}

}  // namespace core
