// On Linux the C library's words are the system's: Qt's messages carry
// strerror()'s text for the errno of the failed call.

#include <QtGlobal>

#include "platform/system_words.h"

namespace platform {

QString libraryWords(int code) {
    return qt_error_string(code);
}

QStringList systemWordsFor(int code) {
    return {qt_error_string(code)};
}

}  // namespace platform
