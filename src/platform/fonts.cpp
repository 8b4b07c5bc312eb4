#include "platform/fonts.h"

#include <array>
#include <utility>

namespace platform {

namespace {

// Liberation Sans is metric-compatible with Arial; DejaVu Sans is wide like Verdana.
constexpr std::array<std::pair<Face, const char*>, 4> kFaces{{
    {Face::MsSansSerif, "Liberation Sans"},
    {Face::Arial, "Liberation Sans"},
    {Face::Verdana, "DejaVu Sans"},
    {Face::Tahoma, "DejaVu Sans"},
}};

}  // namespace

QString family(Face face) {
    for (const auto& [f, name] : kFaces) {
        if (f == face) {
            return QString::fromLatin1(name);
        }
    }
    return QStringLiteral("Liberation Sans");
}

QFont uiFont(Face face, double points, bool bold, bool italic) {
    QFont f(family(face));
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setItalic(italic);
    f.setStyleHint(QFont::SansSerif);
    return f;
}

QFont defaultFont() {
    return uiFont(Face::MsSansSerif, 8.25);
}

QString printerFamily() {
    return family(Face::Arial);
}

}  // namespace platform
