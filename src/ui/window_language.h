#pragma once

#include <QStringList>

#include "core/report_language.h"

namespace ui {

// The language the window's catalogue speaks, named as the pages name theirs,
// so that the month lists and the aspect square's names come from the same
// tables the pages use. Russian when no catalogue of another language is on
// (none found, or a damaged one), which is what the window then speaks too.
core::ReportLanguage windowLanguage();

// "Январь" to "Декабрь" in the window's language, for a list of months
// (index 0 is January, as everywhere in the program).
QStringList monthNames();

}  // namespace ui
