#pragma once

#include <QByteArray>
#include <QImage>

namespace companion {

// The picture as a PNG file's bytes: RGB, each row filtered by its left
// neighbour, compressed at zlib's fastest level; empty if it cannot be made.
// Qt's own writer tries all five row filters on every row, which for the
// window's picture costs more than the whole compression; a picture of flat
// areas and thin lines gains little from the other filters.
QByteArray encodePng(QImage image);

}  // namespace companion
