#include "core/grid_geometry.h"

#include "core/checked.h"

namespace core {

PointTw Opr(int step, int u) {
    const Int16 pitch = Int16::of(kGridPitch);
    const int x = (Int16::of(step) * pitch).value();
    const int y = u > 0 ? ((Int16::of(10) - Int16::of(u)) * pitch).value() : kGridRows * kGridPitch;
    return {x, y};
}

std::uint32_t axisColorRgb(AxisMark mark) {
    switch (mark) {
        case AxisMark::Largest:
            return 0x008000;
        case AxisMark::Smallest:
            return 0xFF0000;
        case AxisMark::Plain:
            break;
    }
    return 0x0000C0;
}

}  // namespace core
