// The faces the design names on Linux, where none of them is installed:
// each maps to one installed face that renders Cyrillic with similar metrics.
// Liberation Sans is metric-compatible with Arial; DejaVu Sans is wide like Verdana.

#include <array>
#include <utility>

#include "platform/fonts.h"

namespace platform {

namespace {

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

}  // namespace platform
