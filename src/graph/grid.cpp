#include "graph/grid.h"

#include <QColor>

namespace graph {

namespace {
const QColor kGridColor(0, 55, 250);
}

void Maket(const core::WindowState& state, const Surfaces& surfaces, bool FlagPrint) {
    platform::Canvas& target = surfaces.pick(FlagPrint);
    for (int i = kPitch; i <= 8 * kPitch; i += kPitch) {
        for (int j = kPitch; j <= 10 * kPitch; j += kPitch) {
            if (FlagPrint) {
                target.point(kPrinterOriginX + i, kPrinterOriginY + j);
            } else {
                const int x = (core::Int16::of(i) + state.BazX).value();
                const int y = (core::Int16::of(j) + state.BazY).value();
                target.point(x, y, kGridColor);
            }
        }
    }
}

void Opr(core::WindowState& state, core::Byte Step, core::Byte U, bool FlagPrint) {
    using core::Int16;
    const Int16 step = Step.as<std::int16_t>();
    const Int16 u = U.as<std::int16_t>();
    const Int16 pitch = Int16::of(kPitch);
    const Int16 originX = FlagPrint ? Int16::of(kPrinterOriginX) : state.BazX;
    const Int16 originY = FlagPrint ? Int16::of(kPrinterOriginY) : state.BazY;
    state.PntX = step * pitch + originX;
    if (u.value() > 0) {
        state.PntY = (Int16::of(10) - u) * pitch + originY;
    } else {
        state.PntY = originY + Int16::of(10 * kPitch);
    }
}

}  // namespace graph
