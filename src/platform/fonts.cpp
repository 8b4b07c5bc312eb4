#include "platform/fonts.h"

namespace platform {

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
