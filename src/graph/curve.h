#pragma once

#include <QLabel>
#include <array>

#include "core/checked.h"
#include "core/window_state.h"
#include "graph/grid.h"

namespace graph {

// The ten digit-axis labels, index = the digit they show.
using AxisLabels = std::array<QLabel*, 10>;

// Colours of the curve on the screen and of the extreme digits' labels.
QColor curveColor();
QColor largestDigitColor();
QColor smallestDigitColor();

// Draws the curve of life forces: one point per digit of Num, left to right,
// joined by straight segments. Sets state.Mx and state.Mn and colours their
// axis labels (largest green, then smallest red).
void P1(core::WindowState& state, const Surfaces& surfaces, const AxisLabels& OsY, core::Int32 Num,
        bool FlagPrint);

}  // namespace graph
