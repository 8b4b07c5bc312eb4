#include <QCoreApplication>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "app/companion.h"
#include "platform/file_names.h"
#include "platform/terminal_text.h"
#include "platform/translations.h"

namespace companion {

namespace {

QCoreApplication*& translatedCore() {
    static QCoreApplication* core = nullptr;
    return core;
}

}  // namespace

void startTranslatedCore(char* program) {
    // --batch and --json give the same bytes on every system.
    platform::prepareStandardStreams();
    // Qt is given none of our arguments, so that none is taken for its own.
    static int qtArgc = 1;
    static char* qtArgv[] = {program, nullptr};
    translatedCore() = new QCoreApplication(qtArgc, qtArgv);
    platform::installCatalogues(platform::interfaceLanguage());
}

void endTranslatedCore() {
    delete translatedCore();
    translatedCore() = nullptr;
}

bool writeOut(const QByteArray& bytes) {
    return std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout) ==
           static_cast<std::size_t>(bytes.size());
}

void printErr(const QString& text) {
    const QByteArray bytes = platform::terminalText(text);
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
}

// Taking the window and Qt apart again would cost about as long as the
// calculation and drawing together, and the system frees the memory at once.
// Sanitizer builds take everything apart, so that the leak check sees the
// whole program.
int finish(int status) {
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        printErr(QCoreApplication::translate("CompanionIo",
                                             "Не удалось записать в стандартный вывод: %1\n")
                     .arg(platform::writeReason(errno)));
        status = kExitUsage;
    }
    std::fflush(stderr);
#if defined(__SANITIZE_ADDRESS__)
    endTranslatedCore();
    return status;
#else
    std::_Exit(status);
#endif
}

}  // namespace companion
