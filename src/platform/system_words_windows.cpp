// On Windows the C library and the system have words of their own: errno's
// texts come from the C library, while a failed call reports one of Windows'
// codes, whose text Qt's messages carry. The same number means different
// things to the two (errno 30 is a read-only disk, Windows' 30 a read fault).

#include <QtGlobal>
#include <cstring>
#include <iterator>

#include "platform/system_words.h"
#include "platform/windows_system.h"

namespace platform {

namespace {

// Windows' codes that have a counterpart in the C library's (windows::errnoOf).
constexpr DWORD kWindowsCodes[] = {
    ERROR_FILE_NOT_FOUND,
    ERROR_PATH_NOT_FOUND,
    ERROR_INVALID_DRIVE,
    ERROR_BAD_NETPATH,
    ERROR_BAD_NET_NAME,
    ERROR_ACCESS_DENIED,
    ERROR_INVALID_ACCESS,
    ERROR_CANNOT_MAKE,
    ERROR_SHARING_VIOLATION,
    ERROR_LOCK_VIOLATION,
    ERROR_BUSY,
    ERROR_FILE_EXISTS,
    ERROR_ALREADY_EXISTS,
    ERROR_DISK_FULL,
    ERROR_HANDLE_DISK_FULL,
    ERROR_WRITE_PROTECT,
    ERROR_FILENAME_EXCED_RANGE,
    ERROR_DIRECTORY,
    ERROR_NOT_ENOUGH_MEMORY,
    ERROR_OUTOFMEMORY,
    ERROR_TOO_MANY_OPEN_FILES,
    ERROR_NOT_SAME_DEVICE,
    ERROR_DIR_NOT_EMPTY,
    ERROR_INVALID_NAME,
    ERROR_BROKEN_PIPE,
    ERROR_NO_DATA,
    ERROR_CANT_RESOLVE_FILENAME,
};

}  // namespace

QString libraryWords(int code) {
    char words[256] = {};
    if (strerror_s(words, sizeof words, code) != 0) {
        return {};
    }
    return QString::fromLocal8Bit(words);
}

QStringList systemWordsFor(int code) {
    QStringList words;
    for (const DWORD windowsCode : kWindowsCodes) {
        if (windows::errnoOf(windowsCode) == code) {
            words << qt_error_string(int(windowsCode));
        }
    }
    return words;
}

}  // namespace platform
