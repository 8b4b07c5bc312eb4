#pragma once

// The steps of the calculation that read numbers as a locale writes them: the
// calculation itself reads in the C locale, the year box in the user's.

#include <QLocale>
#include <QString>

#include "core/checked.h"

namespace core {

// Year times the day-month number, both read as whole numbers; raises on a
// non-numeric year or on overflow.
Int32 lifeNumber(const QString& yearText, const QString& dayMonth,
                 const QLocale& locale = QLocale());

// The year box puts its default year back in place of a number outside 1 to
// 9999 ("0", "-5", "1e9", ".5"); text that is not a number is left as typed.
bool yearBoxReplaces(const QString& yearText, const QLocale& locale = QLocale());

}  // namespace core
