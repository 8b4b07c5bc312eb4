#include <QApplication>

#include "platform/services.h"
#include "ui/frm_main.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    platform::DesktopServices services;
    ui::FrmMain window(services);
    window.show();
    return QApplication::exec();
}
