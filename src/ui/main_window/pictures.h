#pragma once

#include <QImage>

namespace ui {

// The program's picture, 32 × 32 in 24-bit colour: a life-force curve over a
// grid of dots in a rounded square. The About window shows it and the main
// window uses it as its icon.
QImage programPicture();

}  // namespace ui
