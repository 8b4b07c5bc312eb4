#pragma once

#include <QString>

// The program's own name, version and the author's addresses, written once.
namespace info {

inline QString programName() {
    return QStringLiteral("Zemtar - Прогноз");
}
inline QString version() {
    return QStringLiteral("1.4");
}
// "Zemtar - Прогноз", Версия 1.4
inline QString windowTitle() {
    return QStringLiteral("\"") + programName() + QStringLiteral("\", Версия ") + version();
}
inline QString authorName() {
    return QStringLiteral("Земтар");
}
// The author's web page (the main window's link and the report header).
inline QString authorSite() {
    return QStringLiteral("http://zemtar.narod.ru");
}
// The program's own page on the author's site (the About window's link).
inline QString programPage() {
    return QStringLiteral("http://zemtar.narod.ru/prognoz.html");
}
inline QString authorEmail() {
    return QStringLiteral("zemtar@narod.ru");
}

}  // namespace info
