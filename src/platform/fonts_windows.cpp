// The faces the design names on Windows, which has them all. MS Sans Serif
// is a bitmap face of a few fixed sizes that printers and PDF cannot scale;
// Microsoft Sans Serif is the same design drawn in outlines, and Windows
// itself puts it in place of MS Sans Serif.

#include <array>
#include <utility>

#include "platform/fonts.h"

namespace platform {

namespace {

constexpr std::array<std::pair<Face, const char*>, 4> kFaces{{
    {Face::MsSansSerif, "Microsoft Sans Serif"},
    {Face::Arial, "Arial"},
    {Face::Verdana, "Verdana"},
    {Face::Tahoma, "Tahoma"},
}};

}  // namespace

QString family(Face face) {
    for (const auto& [f, name] : kFaces) {
        if (f == face) {
            return QString::fromLatin1(name);
        }
    }
    return QStringLiteral("Arial");
}

}  // namespace platform
