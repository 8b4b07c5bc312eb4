#include "platform/fonts.h"

#include "platform/face_table.h"

#include <QDir>
#include <QStandardPaths>
#include <utility>

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

void standInForMissingFaces() {
#ifdef Q_OS_WIN
    for (const auto& [face, standIn] :
         {std::pair{"Microsoft Sans Serif", "Liberation Sans"},
          std::pair{"Arial", "Liberation Sans"}, std::pair{"Tahoma", "DejaVu Sans"},
          std::pair{"Verdana", "DejaVu Sans"}}) {
        QFont::insertSubstitution(QString::fromLatin1(face), QString::fromLatin1(standIn));
    }
#endif
}

void offscreenFontsFromTheSystem() {
#ifdef Q_OS_WIN
    if (qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR")) {
        const QString fonts = QStandardPaths::writableLocation(QStandardPaths::FontsLocation);
        if (!fonts.isEmpty()) {
            qputenv("QT_QPA_FONTDIR", QDir::toNativeSeparators(fonts).toUtf8());
        }
    }
#endif
}

}  // namespace platform
