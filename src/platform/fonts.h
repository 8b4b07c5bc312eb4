#pragma once

#include <QFont>
#include <QString>

namespace platform {

// The faces the design names. None of them ships with Linux, so each maps to
// one installed face that renders Cyrillic with similar metrics.
enum class Face { MsSansSerif, Arial, Verdana, Tahoma };

QString family(Face face);

QFont uiFont(Face face, double points, bool bold = false, bool italic = false);

// The platform's standard dialog font, 8.25 points, regular.
QFont defaultFont();

// The face of the printed page, which the report never sets itself.
QString printerFamily();

}  // namespace platform
