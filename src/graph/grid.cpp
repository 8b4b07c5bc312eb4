#include "graph/grid.h"

namespace graph {

QColor gridColor() {
    return QColor(0, 55, 250);
}

void Maket(platform::Canvas& target, core::PointTw origin, std::optional<QColor> color) {
    using core::kGridPitch;
    for (int i = kGridPitch; i <= core::kGridColumns * kGridPitch; i += kGridPitch) {
        for (int j = kGridPitch; j <= core::kGridRows * kGridPitch; j += kGridPitch) {
            const int x = (core::Int16::of(i) + core::Int16::of(origin.x)).value();
            const int y = (core::Int16::of(j) + core::Int16::of(origin.y)).value();
            target.point(x, y, color);
        }
    }
}

}  // namespace graph
