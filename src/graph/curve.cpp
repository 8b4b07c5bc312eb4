#include "graph/curve.h"

#include <QLabel>

#include "core/forecast.h"
#include "platform/canvas.h"
#include "platform/controls.h"

namespace graph {

QColor curveColor() {
    return QColor(188, 40, 120);
}

QColor axisColor(core::AxisMark mark) {
    return QColor::fromRgb(core::axisColorRgb(mark));
}

void P1(platform::Canvas& target, const core::Forecast& forecast, core::PointTw origin,
        std::optional<QColor> color) {
    const std::vector<core::PointTw>& points = forecast.curve;
    for (std::size_t i = 1; i < points.size(); ++i) {
        const core::PointTw a = points[i - 1];
        const core::PointTw b = points[i];
        target.line(a.x + origin.x, a.y + origin.y, b.x + origin.x, b.y + origin.y, color);
    }
}

void colourAxis(const AxisLabels& OsY, const core::Forecast* forecast) {
    for (std::size_t d = 0; d < OsY.size(); ++d) {
        const core::AxisMark mark = forecast ? forecast->axis[d] : core::AxisMark::Plain;
        platform::setForeColor(OsY[d], axisColor(mark));
    }
}

}  // namespace graph
