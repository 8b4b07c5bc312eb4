#pragma once

#include <QImage>

namespace print {

// The report's emblem: a 71 x 71 picture in 24-bit colour, a small curve of
// life forces over a grid of dots in a blue disc with a gold rim.
QImage makeEmblem();

}  // namespace print
