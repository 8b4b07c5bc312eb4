#include "core/aspect_names.h"

namespace core {

QString aspectName(ReportLanguage language, int digit) {
    if (digit < 1 || digit > kAspectCount) {
        return {};
    }
    const AspectNames& names = kAspectNameTable[static_cast<std::size_t>(digit - 1)];
    switch (language) {
        case ReportLanguage::Russian:
            return names.russian.toString();
        case ReportLanguage::Ukrainian:
            return names.ukrainian.toString();
        case ReportLanguage::English:
            break;
    }
    return names.english.toString();
}

}  // namespace core
