#pragma once

#include <QCoreApplication>
#include <QString>

// The program's own name, version and the author's addresses, written once.
namespace info {

// The program's name as the window's language calls it, as the desktop
// entry does: «Zemtar - Прогноз», «Zemtar - Forecast». A page says it in
// its own language (core::PageCaption::ProgramName).
inline QString programName() {
    return QCoreApplication::translate("ProgramInfo", "Zemtar - Прогноз");
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
