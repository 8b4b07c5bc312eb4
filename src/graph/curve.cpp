#include "graph/curve.h"

#include "core/numeric.h"
#include "platform/controls.h"
#include "platform/units.h"

namespace graph {

QColor curveColor() {
    return QColor(188, 40, 120);
}
QColor largestDigitColor() {
    return platform::fromBgr(0x8000);
}
QColor smallestDigitColor() {
    return platform::fromBgr(0xFF);
}

namespace {

core::Byte digitAt(const QString& text, int position) {
    const QChar c = text.at(position);
    if (c < u'0' || c > u'9') {
        throw core::RuntimeError(core::RuntimeError::Kind::TypeMismatch);
    }
    return core::Byte::of(c.unicode() - u'0');
}

void updateExtremes(core::WindowState& s, core::Byte d) {
    if (d > s.Mx) {
        s.Mx = d;
    }
    if (d < s.Mn) {
        s.Mn = d;
    }
}

}  // namespace

void P1(core::WindowState& state, const Surfaces& surfaces, const AxisLabels& OsY, core::Int32 Num,
        bool FlagPrint) {
    state.Mn = core::Byte::of(9);
    const QString text = core::decimal(Num);
    const int length = static_cast<int>(text.size());
    platform::Canvas& target = surfaces.pick(FlagPrint);
    for (int i = 1; i <= length; ++i) {
        const core::Byte d = digitAt(text, i - 1);
        updateExtremes(state, d);
        Opr(state, core::Byte::of(i), d, FlagPrint);
        const int x1 = state.PntX.value();
        const int y1 = state.PntY.value();
        if (i + 1 <= length) {
            const core::Byte d2 = digitAt(text, i);
            updateExtremes(state, d2);
            Opr(state, core::Byte::of(i + 1), d2, FlagPrint);
            if (FlagPrint) {
                target.line(x1, y1, state.PntX.value(), state.PntY.value());
            } else {
                target.line(x1, y1, state.PntX.value(), state.PntY.value(), curveColor());
            }
        }
    }
    platform::setForeColor(OsY[state.Mx.value()], largestDigitColor());
    platform::setForeColor(OsY[state.Mn.value()], smallestDigitColor());
}

}  // namespace graph
