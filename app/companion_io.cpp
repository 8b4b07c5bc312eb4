#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "app/companion.h"
#include "platform/file_names.h"

namespace companion {

bool writeOut(const QByteArray& bytes) {
    return std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout) ==
           static_cast<std::size_t>(bytes.size());
}

void printErr(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
}

// Taking the window and Qt apart again would cost about as long as the
// calculation and drawing together, and the system frees the memory at once.
// Sanitizer builds take everything apart, so that the leak check sees the
// whole program.
int finish(int status) {
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        printErr(QStringLiteral("Не удалось записать в стандартный вывод: %1\n")
                     .arg(platform::writeReason(errno)));
        status = kExitUsage;
    }
    std::fflush(stderr);
#if defined(__SANITIZE_ADDRESS__)
    return status;
#else
    std::_Exit(status);
#endif
}

}  // namespace companion
