#pragma once

// Where a forecast stands when it is drawn: the grid of dots its curve runs
// through, on the screen and on the printed page, and the colours of the
// digit axis. Historical names:
//   Opr        maps a column and a digit to its grid dot
//   BazX, BazY the grid's origin on the screen
//   Maket      draws the empty grid (graph/grid.h)

#include <cstdint>

namespace core {

struct PointTw {
    int x = 0;
    int y = 0;
    friend bool operator==(PointTw, PointTw) = default;
};

inline constexpr int kGridPitch = 400;  // twips between neighbouring dots
inline constexpr int kGridColumns = 8;
inline constexpr int kGridRows = 10;
// Where the grid stands: in the window (BazX, BazY) and on the printed page.
inline constexpr PointTw kScreenGridOrigin{200, 0};
inline constexpr PointTw kPageGridOrigin{400, 3400};

// The dot of column step (1 = first digit) and digit u, from the grid's origin.
PointTw Opr(int step, int u);

// How a digit-axis label is drawn after a calculation.
enum class AxisMark { Plain, Largest, Smallest };
// Its colour as 0xRRGGBB: blue, green for the largest digit, red for the smallest.
std::uint32_t axisColorRgb(AxisMark mark);

}  // namespace core
