#include "platform/fonts.h"

#include "platform/face_table.h"

namespace platform {

QString family(Face face) {
    for (const auto& [f, name] : kFaceTable) {
        if (f == face) {
            return QString::fromLatin1(name);
        }
    }
    return QString::fromLatin1(kFallbackFace);
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
