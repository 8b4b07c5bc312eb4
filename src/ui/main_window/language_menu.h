#pragma once

#include <QString>

class QMenu;
class QWidget;

namespace platform {
class Services;
}

namespace ui {

// «Язык интерфейса»: the languages the window speaks, each by its own name,
// the remembered one checked. A choice is remembered for the next start,
// and a message says so in the chosen language and in the present one.
void addLanguageMenu(QMenu* menu, QWidget* window, platform::Services& services);

// What that message says after choosing `code`.
QString languageChangeNote(const QString& code);

}  // namespace ui
