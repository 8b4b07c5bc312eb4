#include "core/counted.h"

namespace core {

QString countedWord(qint64 count, const char* one, const char* few, const char* many) {
    const qint64 lastTwo = (count < 0 ? -count : count) % 100;
    const qint64 last = lastTwo % 10;
    if (last == 1 && lastTwo != 11) {
        return QString::fromUtf8(one);
    }
    if (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14)) {
        return QString::fromUtf8(few);
    }
    return QString::fromUtf8(many);
}

QString counted(qint64 count, const char* one, const char* few, const char* many) {
    return QString::number(count) + u' ' + countedWord(count, one, few, many);
}

}  // namespace core
