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

// On Windows, a system without Windows' own faces (Wine, whose offscreen
// platform reads only the font files it is given) takes Linux's stand-ins for
// them, so that the pages keep their measure. Where the faces are there they
// are used, and the stand-ins never asked for. Needs the application object.
void standInForMissingFaces();

// On Windows the offscreen platform reads its fonts from one folder of font
// files rather than asking the system: unless told another, it is pointed at
// the system's own fonts folder. Before the application object is made.
void offscreenFontsFromTheSystem();

}  // namespace platform
