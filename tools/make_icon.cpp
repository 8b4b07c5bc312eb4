// Writes the program's picture as PNG icons for the desktop: the 32 x 32
// picture itself and whole-number enlargements that keep its pixels sharp.
// Usage: make_icon OUTPUT_DIR SIZE...  (writes OUTPUT_DIR/SIZExSIZE/zemtar.png)

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "ui/main_window/pictures.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_icon OUTPUT_DIR SIZE...\n");
        return 1;
    }
    const QImage picture = ui::programPicture();
    const QDir out(QString::fromLocal8Bit(argv[1]));
    for (int i = 2; i < argc; ++i) {
        bool ok = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&ok);
        if (!ok || size < picture.width() || size % picture.width() != 0) {
            std::fprintf(stderr, "make_icon: %s is not a whole multiple of %d\n", argv[i],
                         picture.width());
            return 1;
        }
        const QString dir = QStringLiteral("%1x%1").arg(size);
        const QString file = out.filePath(dir + QStringLiteral("/zemtar.png"));
        if (!out.mkpath(dir) ||
            !picture.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                 .save(file, "PNG")) {
            std::fprintf(stderr, "make_icon: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
