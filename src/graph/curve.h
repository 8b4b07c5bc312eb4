#pragma once

#include <QColor>
#include <array>
#include <optional>

#include "core/grid_geometry.h"

class QLabel;

namespace core {
struct Forecast;
}

namespace platform {
class Canvas;
}

namespace graph {

// The ten digit-axis labels OsY, index = the digit they show.
using AxisLabels = std::array<QLabel*, 10>;

// Colours of the curve on the screen and of the digit-axis labels.
QColor curveColor();
QColor axisColor(core::AxisMark mark);

// P1: draws the curve of life forces, one point per digit of the life number,
// left to right, joined by straight segments, on a grid whose origin is
// `origin`. Without a colour the segments take the target's current colour.
void P1(platform::Canvas& target, const core::Forecast& forecast, core::PointTw origin,
        std::optional<QColor> color = std::nullopt);

// Colours the digit axis: all plain, or as the forecast marks it (largest
// digit green, smallest red).
void colourAxis(const AxisLabels& OsY, const core::Forecast* forecast);

}  // namespace graph
