#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QPixmap>
#include <QStringList>
#include <QTimer>
#include <cstdio>
#include <optional>

#include "app/deferred_media_player.h"
#include "core/program_info.h"
#include "platform/first_paint.h"
#include "platform/services.h"
#include "platform/single_instance.h"
#include "platform/translations.h"
#include "platform/user_settings.h"
#include "ui/book/client_book_link.h"
#include "ui/main_window/frm_main.h"
#include "ui/main_window/pictures.h"

namespace {

const char* const kHelp = QT_TRANSLATE_NOOP(
    "Main",
    "Использование: zemtar [ПАРАМЕТРЫ]\n"
    "Открывает окно программы «Zemtar - Прогноз»: нумерологический прогноз жизни\n"
    "по дате рождения (кривая жизненных сил, процент счастья, квадрат аспектов).\n"
    "\n"
    "Параметры:\n"
    "  -h, --help     показать эту справку и выйти\n"
    "  -v, --version  показать версию программы и выйти\n"
    "\n"
    "Принимаются и стандартные параметры Qt (например, -platform, -style).\n"
    "Прогноз без окна: zemtar-forecast --help.\n");

bool print(const QByteArray& text) {
    return std::fwrite(text.constData(), 1, text.size(), stdout) ==
               static_cast<size_t>(text.size()) &&
           std::fflush(stdout) == 0;
}

// --help and --version are answered before Qt starts, so they need no
// display. Anything else, Qt's own options included, is left to QApplication.
std::optional<int> answerWithoutWindow(int argc, char* argv[]) {
    QStringList args;
    for (int i = 0; i < argc; ++i) {
        args << QString::fromLocal8Bit(argv[i]);
    }
    QCommandLineParser parser;
    // Qt's own single-dash options (-reverse, -style) must not read as a run
    // of short options that happens to hold an h or a v.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    parser.parse(args);  // unknown options are Qt's business
    if (parser.isSet(help)) {
        // In the user's language, which needs an application object, but
        // not yet a display.
        static int qtArgc = 1;
        static char* qtArgv[] = {argv[0], nullptr};
        const QCoreApplication core(qtArgc, qtArgv);
        platform::installCatalogues(platform::interfaceLanguage());
        return print(QCoreApplication::translate("Main", kHelp).toUtf8()) ? 0 : 1;
    }
    if (parser.isSet(version)) {
        return print(QStringLiteral("zemtar %1\n").arg(info::version()).toUtf8()) ? 0 : 1;
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (const std::optional<int> status = answerWithoutWindow(argc, argv)) {
        return *status;
    }
    QApplication app(argc, argv);
    // The program's words and Qt's own (files, printing) in the user's
    // language, before anything is shown or said.
    platform::installCatalogues(platform::interfaceLanguage());
    // The name of the folders the client book and the settings live in.
    QCoreApplication::setApplicationName(QStringLiteral("zemtar"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(ui::programPicture())));
    platform::DesktopServices services;

    // Only one copy runs at a time; the lock lives as long as this one does.
    platform::SingleInstance instance;
    if (platform::refuseSecondInstance(instance, services)) {
        return 0;
    }

    // A settings file the program cannot use is told once, in a box over the
    // window; the window reads its settings while it is being built, so the
    // box waits until the event loop runs.
    QWidget* owner = nullptr;
    platform::setSettingsReporter([&services, &owner](const QString& text) {
        QTimer::singleShot(0, [&services, &owner, text] {
            services.message(owner, {text, info::programName(), platform::MessageIcon::Warning, 0});
        });
    });

    DeferredMediaPlayer media;  // the About window's tune
    ui::FrmMain window(services);
    owner = &window;
    window.setMediaPlayer(&media);

    // The client book, opened the first time it is needed, and its window.
    ui::ClientBookLink clientBook(window, services);
    platform::FirstPaintStamp::watch(window);
    window.show();
    const int status = QApplication::exec();
    platform::setSettingsReporter({});  // the box and its owner go with main()
    return status;
}
