// The desktop's languages on Windows: the user's display languages, as the
// system lists them ("uk-UA", "ru-RU", "en-US").

#include <QLocale>

#include "platform/translations.h"

namespace platform {

QStringList desktopLanguagePreferences() {
    return QLocale::system().uiLanguages();
}

}  // namespace platform
