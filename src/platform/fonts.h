#pragma once

#include <QFont>
#include <QString>

namespace platform {

// The faces the design names. Windows has them; none of them ships with
// Linux, where each maps to one installed face that renders Cyrillic with
// similar metrics (the table of each system: fonts_posix.cpp, fonts_windows.cpp).
enum class Face { MsSansSerif, Arial, Verdana, Tahoma };

QString family(Face face);

QFont uiFont(Face face, double points, bool bold = false, bool italic = false);

// The platform's standard dialog font, 8.25 points, regular.
QFont defaultFont();

// The face of the printed page, which the report never sets itself.
QString printerFamily();

}  // namespace platform
