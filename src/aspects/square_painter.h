#pragma once

#include <QColor>
#include <QRectF>
#include <QSizeF>
#include <array>
#include <optional>

#include "core/forecast.h"

class QPainter;

namespace aspects {

// What the square shows: the nine aspects (level, present, root), the red
// segments of the complete rows, columns and diagonals, and the aspects to
// mark (those every member of a group has).
struct SquareLevels {
    std::array<core::AspectValue, core::kAspectCount> aspects{};
    std::array<bool, core::kSegmentCount> segments{};
    std::array<bool, core::kAspectCount> marked{};

    static SquareLevels of(const core::Forecast& forecast);
    friend bool operator==(const SquareLevels&, const SquareLevels&) = default;
};

// The square's own size, twips: what a rectangle of these proportions holds
// without a margin.
QSizeF squareSizeTw();

// The one drawing of the aspect square, for the main window, every page and
// the group view, as one draw serves every device: the outline, the red
// segments, a circle with the level beside every present aspect, the digits
// (the root digit red, the others blue), and a pale green ground under each
// marked aspect. The square's design is scaled into `rect` (in the painter's
// units) with its proportions kept, centred. `background` fills the square
// first, and the level's box with it, so that a circle's outline does not run
// through the level; without one the ground shows through.
void paintSquare(QPainter& painter, const QRectF& rect, const SquareLevels& levels,
                 std::optional<QColor> background = std::nullopt);

}  // namespace aspects
