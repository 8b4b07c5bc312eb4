#pragma once

#include <QLocale>
#include <QString>

#include "core/checked.h"

namespace core {

// The general numeric test: blanks around the text, a sign, the locale's
// decimal separator and an exponent (E or D) are all numeric.
bool isNumeric(const QString& text, const QLocale& locale = QLocale());

// Whether the text is one or more of the digits 0 to 9 and nothing else.
bool isDigitString(const QString& text);

// Numeric text to a double; empty or non-numeric text is a type mismatch.
double toDouble(const QString& text, const QLocale& locale = QLocale());

// A double rounded to the nearest whole number, halves to the even neighbour,
// then range-checked for T.
template <typename T>
Checked<T> roundToWhole(double value);

// Numeric text to a whole number: toDouble, then roundToWhole.
template <typename T>
Checked<T> toWhole(const QString& text, const QLocale& locale = QLocale()) {
    return roundToWhole<T>(toDouble(text, locale));
}

inline Byte toByte(const QString& text, const QLocale& locale = QLocale()) {
    return toWhole<std::uint8_t>(text, locale);
}
inline Int16 toInt16(const QString& text, const QLocale& locale = QLocale()) {
    return toWhole<std::int16_t>(text, locale);
}
inline Int32 toInt32(const QString& text, const QLocale& locale = QLocale()) {
    return toWhole<std::int32_t>(text, locale);
}

// Decimal text of a whole number, no blank, no sign for positives.
template <typename T>
QString decimal(Checked<T> v) {
    return QString::number(v.wide());
}

}  // namespace core
