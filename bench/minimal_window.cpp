// The yardstick for the window's start: the least Qt Widgets program that
// shows a main window with the program's menus and a client area of its size,
// the way the program shows its own (Fusion, show(), the event loop).
// Run with ZEMTAR_FIRST_PAINT set it writes the moment of its first pixels.

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

#include "platform/first_paint.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QMainWindow window;
    for (const char* title : {"&Файл", "&Правка", "Пр&огноз", "&Справка"}) {
        window.menuBar()->addMenu(QString::fromUtf8(title));
    }
    auto* client = new QWidget;
    client->setFixedSize(505, 487);
    window.setCentralWidget(client);
    platform::FirstPaintStamp::watch(window);
    window.show();
    return QApplication::exec();
}
