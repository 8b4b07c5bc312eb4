#pragma once

#include <QLocale>
#include <QString>

#include "core/checked.h"

namespace core {

// The day as listed (no leading zero) followed by the two-digit month number;
// monthIndex is 0 for January.
QString dayMonthString(const QString& dayText, int monthIndex);

// Year times the day-month number, both read as whole numbers; raises on a
// non-numeric year or on overflow.
Int32 lifeNumber(const QString& yearText, const QString& dayMonth,
                 const QLocale& locale = QLocale());

// Number of characters of the decimal text of a life number.
Byte digitCount(Int32 lifeNumber);

// The digit string the aspects are counted from: the day-month string followed
// by the year exactly as typed.
QString birthDigits(const QString& dayMonth, const QString& yearText);

// Happiness percentage without its "%": the leading digits (at most two) of the
// whole part of the life number divided by 63 (six or more digits) or 57.
QString OprPrc(Int32 Num);

// The year box accepts one to four decimal digits with a value from 1 to 9999;
// anything else is refused before the calculation starts.
bool isAcceptedYear(const QString& yearText);

}  // namespace core
