#include "app/drawing_loader.h"

#include <QDir>
#include <QLibrary>

#include "platform/file_names.h"

namespace companion {

QString drawThroughLibrary(const DrawRequest& request) {
    const QString path =
        platform::executableFolder() + QStringLiteral("/zemtar-forecast-drawing.so");
    QLibrary library(path);
    const auto draw = reinterpret_cast<DrawFunction>(library.resolve("zemtarDraw"));
    if (!draw) {
        return QStringLiteral(
                   "Не удалось загрузить библиотеку рисования %1: её нет рядом с "
                   "программой или она повреждена; переустановите программу.")
            .arg(QDir::toNativeSeparators(path));
    }
    QString error;
    draw(&request, &error);
    return error;
}

}  // namespace companion
