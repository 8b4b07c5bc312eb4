#include "ui/window_language.h"

namespace ui {

core::ReportLanguage windowLanguage() {
    return core::catalogueLanguage();
}

QStringList monthNames() {
    const core::ReportLanguage language = windowLanguage();
    QStringList names;
    for (int m = 0; m < 12; ++m) {
        names << core::monthName(language, m, core::MonthForm::Nominative);
    }
    return names;
}

}  // namespace ui
