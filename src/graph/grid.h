#pragma once

#include <QColor>
#include <optional>

#include "core/forecast.h"
#include "platform/canvas.h"

namespace graph {

// The grid's dots on the screen.
QColor gridColor();

// Maket: draws the 8 x 10 grid of dots with its origin at `origin` (the dot of
// column 1 and digit 9 is one pitch right of and below it). Without a colour
// the dots take the target's current colour, as on the printer page.
void Maket(platform::Canvas& target, core::PointTw origin,
           std::optional<QColor> color = std::nullopt);

}  // namespace graph
