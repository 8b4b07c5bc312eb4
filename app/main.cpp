#include <QApplication>

#include "platform/media_player.h"
#include "platform/services.h"
#include "platform/single_instance.h"
#include "ui/frm_main.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    platform::DesktopServices services;

    // Only one copy runs at a time; the lock lives as long as this one does.
    platform::SingleInstance instance;
    if (platform::refuseSecondInstance(instance, services)) {
        return 0;
    }

    platform::QtMediaPlayer media;  // the About window's tune
    ui::FrmMain window(services);
    window.setMediaPlayer(&media);
    window.show();
    return QApplication::exec();
}
