#pragma once

#include "core/checked.h"
#include "core/window_state.h"
#include "platform/canvas.h"

namespace graph {

// The two places the graph can be drawn: the main window, and the printer
// page while a report is being printed.
struct Surfaces {
    platform::Canvas& screen;
    platform::Canvas* printer = nullptr;

    platform::Canvas& pick(bool FlagPrint) const { return FlagPrint ? *printer : screen; }
};

inline constexpr int kPitch = 400;  // twips between neighbouring dots
inline constexpr int kPrinterOriginX = 400;
inline constexpr int kPrinterOriginY = 3400;

// Draws the 8 x 10 grid of dots: on the screen at the window's origin in the
// grid colour, on the printer at its fixed origin in the current colour.
void Maket(const core::WindowState& state, const Surfaces& surfaces, bool FlagPrint);

// Maps column Step (1 = first digit) and digit U to its grid dot, into
// state.PntX and state.PntY.
void Opr(core::WindowState& state, core::Byte Step, core::Byte U, bool FlagPrint);

}  // namespace graph
