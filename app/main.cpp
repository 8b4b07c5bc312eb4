#include <QApplication>
#include <QMainWindow>

#include "core/program_info.h"

// Until the forecast window exists the program opens an empty window with the
// title and client size it will have.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(info::windowTitle());
    window.setFixedSize(505, 487);
    window.show();
    return QApplication::exec();
}
