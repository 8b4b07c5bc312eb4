#include "ui/window_language.h"

namespace ui {

core::ReportLanguage windowLanguage() {
    return core::catalogueLanguage();
}

QStringList monthNames() {
    return core::monthNames(windowLanguage());
}

}  // namespace ui
