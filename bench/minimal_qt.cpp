// The yardstick for the whole-process benchmark: the least a Qt Widgets program
// does to show a window of the main window's size and save its picture.
// Usage: minimal_qt FILE.png

#include <QApplication>
#include <QImage>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    if (argc != 2) {
        return 1;
    }
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&Файл"));
    auto* client = new QWidget;
    client->setFixedSize(505, 487);
    window.setCentralWidget(client);
    window.ensurePolished();
    window.adjustSize();
    return window.grab().toImage().save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
