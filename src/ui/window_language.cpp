#include "ui/window_language.h"

#include <QCoreApplication>

namespace ui {

core::ReportLanguage windowLanguage() {
    // Each catalogue answers with its own code, so the answer is the
    // language actually put on the application, not the one asked for.
    return core::reportLanguageOr(QCoreApplication::translate(
        "ui::WindowLanguage", "ru", "the code of this catalogue's language: ru, uk or en"));
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
