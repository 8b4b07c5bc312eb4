#include "app/drawing_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

#include "platform/file_names.h"

namespace companion {

namespace {

template <typename Function, typename Request>
Problem callLibrary(const char* symbol, const Request& request) {
    const QString path = platform::libraryFile(QStringLiteral("zemtar-forecast-drawing"));
    QLibrary library(path);
    const auto draw = reinterpret_cast<Function>(library.resolve(symbol));
    if (!draw) {
        return {kExitUsage,
                QCoreApplication::translate("DrawingLoader",
                                            "Не удалось загрузить библиотеку рисования %1: её нет "
                                            "рядом с программой или она повреждена; "
                                            "переустановите программу.")
                    .arg(QDir::toNativeSeparators(path))};
    }
    Problem problem{kExitForecast, QString()};
    endTranslatedCore();
    draw(&request, &problem);
    return problem;
}

}  // namespace

Problem drawThroughLibrary(const DrawRequest& request) {
    return callLibrary<DrawFunction>("zemtarDraw", request);
}

Problem drawGroupThroughLibrary(const GroupDrawRequest& request) {
    return callLibrary<GroupDrawFunction>("zemtarDrawGroup", request);
}

Problem drawClientsThroughLibrary(const DrawRequest& request) {
    return callLibrary<DrawFunction>("zemtarDrawClients", request);
}

}  // namespace companion
