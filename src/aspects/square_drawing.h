#pragma once

#include "core/forecast.h"

namespace platform {
class PrinterPage;
}

namespace aspects {

// The aspect square of a forecast drawn onto a page as the window shows it,
// from the same table of places: its outline, a circle and the level beside
// every present aspect, the root digit red and the others blue, and the red
// segments of every complete row, column and diagonal. `left` and `top` place
// the square's own origin on the page, twips. Returns the square's height.
int drawSquare(platform::PrinterPage& page, const core::Forecast& forecast, int left, int top);

}  // namespace aspects
