#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// A logo decoded from its bytes in memory, never from a file name that Qt
// could follow elsewhere: PNG, JPEG, SVG or SVGZ.
namespace print {

// A logo file larger than this (for an SVGZ, once expanded), or wider or
// taller than this many pixels, is refused before it is decoded.
inline constexpr qint64 kLogoMaxBytes = 20LL * 1024 * 1024;
inline constexpr int kLogoMaxSide = 10000;

struct LogoPicture {
    QImage image;  // fitted into the square asked for; null when refused
    // What the program keeps of it: a PNG's or JPEG's own bytes, or for an
    // SVG its copy with nothing outside it, so that the kept file needs no
    // other and stays a drawing.
    QByteArray kept;
    QString problem;  // a Russian sentence naming the file and the reason
};

// Decodes the bytes of a logo for a square of `side` pixels, proportions
// kept. `shownName` is how the messages name the file.
LogoPicture decodeLogo(const QByteArray& bytes, const QString& shownName, int side);

// Whether this build reads SVG logos: it needs Qt's SVG plugin, which the
// Windows build goes without (Debian's source of it cannot be had), and which
// a Debian system may lack. Without it an SVG logo is refused in words.
bool svgLogosReadable();

}  // namespace print
