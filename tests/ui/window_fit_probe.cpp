// Opens every window of the program, one after another, on the screen this
// process was started with (the offscreen platform's screen and
// QT_SCALE_FACTOR), and tells where each went, one line each:
//   area X Y W H
//   NAME frame X Y W H menu X Y W H scrolls S fixed F overflow O inside I
// "menu" is the menu bar on the screen (0 0 0 0 without one), "inside" 1
// when the frame lies whole in the screen's free area, "scrolls" 1
// when a scroll area of the window shows a scroll bar, "fixed" 1 when the
// window cannot be resized, "overflow" 1 when a tool bar hides commands
// behind its «››». The main window adds its drawing surface's size and the
// size of the picture «Копировать» puts on the clipboard.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenuBar>
#include <QPrinter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <cstdio>

#include "book/client_book.h"
#include "platform/help_viewer.h"
#include "platform/media_player.h"
#include "platform/services.h"
#include "print/frm_prn.h"
#include "print/print_job.h"
#include "recording_services.h"
#include "ui/book/book_window.h"
#include "ui/book/client_editor.h"
#include "ui/dialogs/frm_about.h"
#include "ui/dialogs/letterhead_dialog.h"
#include "ui/group/group_window.h"
#include "ui/main_window/frm_main.h"
#include "ui/texts/texts_window.h"

namespace {

QString rect(const QRect& r) {
    return QStringLiteral("%1 %2 %3 %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

bool scrolls(const QWidget* window) {
    for (const QScrollArea* area : window->findChildren<QScrollArea*>()) {
        if (area->horizontalScrollBar()->isVisible() || area->verticalScrollBar()->isVisible()) {
            return true;
        }
    }
    return false;
}

bool overflows(const QWidget* window) {
    for (const QToolBar* bar : window->findChildren<QToolBar*>()) {
        const auto* more = bar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"));
        if (more != nullptr && more->isVisible()) {
            return true;
        }
    }
    return false;
}

void say(const QString& line) {
    std::fputs(qPrintable(line + u'\n'), stdout);
    std::fflush(stdout);
}

// The window as it lies once shown; then it is closed.
void tell(const char* name, QWidget* window, const QString& more = {}) {
    if (!QTest::qWaitForWindowExposed(window)) {
        say(QStringLiteral("%1 never shown").arg(QLatin1String(name)));
        return;
    }
    QApplication::processEvents();
    QRect menu;
    if (const auto* bar = window->findChild<QMenuBar*>(); bar != nullptr && bar->isVisible()) {
        menu = QRect(bar->mapToGlobal(QPoint(0, 0)), bar->size());
    }
    const bool inside =
        QGuiApplication::primaryScreen()->availableGeometry().contains(window->frameGeometry());
    say(QStringLiteral("%1 frame %2 menu %3 scrolls %4 fixed %5 overflow %6 inside %7%8")
            .arg(QLatin1String(name), rect(window->frameGeometry()), rect(menu))
            .arg(int(scrolls(window)))
            .arg(int(window->minimumSize() == window->maximumSize()))
            .arg(int(overflows(window)))
            .arg(int(inside))
            .arg(more));
    window->close();
}

void tellMainWindow(ui::FrmMain& main) {
    main.show();
    main.enterDate({23, 7, QStringLiteral("1975")});
    main.calculate();
    main.findChild<QAction*>(QStringLiteral("mpCopy"))->trigger();
    const QSize picture = QGuiApplication::clipboard()->image().size();
    const auto* surface = main.findChild<QWidget*>(QStringLiteral("surface"));
    tell("main", &main,
         QStringLiteral(" surface %1 %2 picture %3 %4")
             .arg(surface->width())
             .arg(surface->height())
             .arg(picture.width())
             .arg(picture.height()));
    main.show();  // the owner of the windows that follow
}

void tellPreview(ui::FrmMain& main) {
    QTimer::singleShot(0, [] {
        if (QWidget* preview = QApplication::activeModalWidget()) {
            tell("preview", preview);
        }
    });
    QPrinter printer;
    print::showPreviewDialog(&main, printer, [](QPrinter*) {});
}

}  // namespace

int main(int argc, char** argv) {
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QTemporaryDir dir;
    say(QStringLiteral("area ") + rect(QGuiApplication::primaryScreen()->availableGeometry()));

    platform::RecordingServices services;
    ui::FrmMain main(services);
    main.setMarkThisYear(false);
    tellMainWindow(main);

    book::ClientBook book(dir.filePath(QStringLiteral("clients.sqlite")));
    ui::BookWindow bookWindow(book, services, &main);
    bookWindow.show();
    tell("book", &bookWindow);

    // The group window with as many people as it takes.
    auto* group = new ui::GroupWindow(services, &main);
    std::vector<core::Person> six(core::kGroupMost);
    for (int k = 0; k < core::kGroupMost; ++k) {
        six[std::size_t(k)].names = {QStringLiteral("Константинопольская"),
                                     QStringLiteral("Александра"), QStringLiteral("Вениаминовна")};
        six[std::size_t(k)].birthDate = {k + 1, k, QString::number(1950 + 11 * k)};
    }
    group->setPeople(six);
    group->show();
    tell("group", group);

    ui::TextsWindow texts(services, platform::TextStore(dir.filePath(QStringLiteral("texts"))), {},
                          &main);
    texts.show();
    tell("texts", &texts);

    tellPreview(main);

    print::FrmPrn client(&main, [](const core::ClientNames&) { return false; });
    client.show();
    tell("client", &client);

    ui::LetterheadDialog letterhead(services, &main);
    letterhead.show();
    tell("letterhead", &letterhead);

    ui::ClientEditor card(&main, book::Client{});
    card.show();
    tell("card", &card);

    platform::SilentMediaPlayer media;
    ui::FrmAbout about(services, media, &main);
    about.show();
    tell("about", &about);

    if (platform::runHelp(platform::defaultHelpFile(), platform::HelpCommand::Contents, 0, &main)) {
        tell("help", platform::helpViewer());
    }
    return 0;
}
