// The desktop's languages on Linux and other POSIX systems, from the locale
// variables of the environment.

#include "platform/translations.h"

namespace platform {

QStringList desktopLanguagePreferences() {
    // LANGUAGE is a list in the order of preference ("uk:ru"); the others
    // name one locale, and the first of them that is set decides.
    QStringList preferred = qEnvironmentVariable("LANGUAGE").split(u':', Qt::SkipEmptyParts);
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const QString locale = qEnvironmentVariable(variable); !locale.isEmpty()) {
            preferred << locale;
            break;
        }
    }
    return preferred;
}

}  // namespace platform
