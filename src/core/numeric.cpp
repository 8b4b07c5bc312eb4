#include "core/numeric.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace core {

namespace {

// Normalises numeric text into the C locale's spelling ("-12.5e3"), or
// returns an empty string when the text is not numeric.
QString normalise(const QString& text, const QLocale& locale) {
    const QString t = text.trimmed();
    const QString sep = locale.decimalPoint();
    QString out;
    qsizetype i = 0;
    const qsizetype n = t.size();
    if (i < n && (t[i] == u'+' || t[i] == u'-')) {
        out += t[i];
        ++i;
    }
    int digits = 0;
    while (i < n && t[i] >= u'0' && t[i] <= u'9') {
        out += t[i++];
        ++digits;
    }
    if (i < n && t.mid(i, sep.size()) == sep) {
        out += u'.';
        i += sep.size();
        while (i < n && t[i] >= u'0' && t[i] <= u'9') {
            out += t[i++];
            ++digits;
        }
    }
    if (digits == 0) {
        return {};
    }
    if (i < n && (t[i] == u'e' || t[i] == u'E' || t[i] == u'd' || t[i] == u'D')) {
        out += u'e';
        ++i;
        if (i < n && (t[i] == u'+' || t[i] == u'-')) {
            out += t[i++];
        }
        int expDigits = 0;
        while (i < n && t[i] >= u'0' && t[i] <= u'9') {
            out += t[i++];
            ++expDigits;
        }
        if (expDigits == 0) {
            return {};
        }
    }
    return i == n ? out : QString();
}

}  // namespace

bool isNumeric(const QString& text, const QLocale& locale) {
    return !normalise(text, locale).isEmpty();
}

double toDouble(const QString& text, const QLocale& locale) {
    const QString c = normalise(text, locale);
    if (c.isEmpty()) {
        throw RuntimeError(RuntimeError::Kind::TypeMismatch);
    }
    bool ok = false;
    const double v = QLocale::c().toDouble(c, &ok);
    if (!ok || !std::isfinite(v)) {
        // Only an exponent too large for a double gets here.
        throw RuntimeError(RuntimeError::Kind::Overflow);
    }
    return v;
}

template <typename T>
Checked<T> roundToWhole(double value) {
    // std::nearbyint follows the default rounding mode, which rounds halves to even.
    const double r = std::nearbyint(value);
    if (!(r >= static_cast<double>(std::numeric_limits<T>::min()) &&
          r <= static_cast<double>(std::numeric_limits<T>::max()))) {
        throw RuntimeError(RuntimeError::Kind::Overflow);
    }
    return Checked<T>::of(static_cast<long long>(r));
}

template Checked<std::uint8_t> roundToWhole<std::uint8_t>(double);
template Checked<std::int16_t> roundToWhole<std::int16_t>(double);
template Checked<std::int32_t> roundToWhole<std::int32_t>(double);

bool isDigitString(const QString& text) {
    if (text.isEmpty()) {
        return false;
    }
    for (const QChar c : text) {
        if (c < u'0' || c > u'9') {
            return false;
        }
    }
    return true;
}

}  // namespace core
