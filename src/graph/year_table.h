#pragma once

#include <QFont>
#include <array>

#include "core/grid_geometry.h"

class QLabel;
class QWidget;

namespace core {
struct Forecast;
struct YearMark;
}  // namespace core

namespace platform {
class OutlineShape;
}

namespace graph {

// The year table under the graph: [column K - 1][row i], K = 1..8, i = 0..9.
using YearTable = std::array<std::array<QLabel*, 10>, 8>;

// FormirYear: captions every cell with the year its digit position governs and
// shows as many columns as the forecast says.
void FormirYear(const YearTable& table, const core::Forecast& forecast);

// One year marked in the window: a frame in the curve's colour round every
// cell that shows it, their digits bold, and a ring round the curve point of
// their column. The marks lie hidden on the surface that holds the table and
// the curve until a year is shown; cleared, the window is as it was.
class YearMarks {
public:
    YearMarks(QWidget* surface, const YearTable& table);

    // Marks a year of the forecast the table and curve show, drawn with its
    // grid at `origin`; nothing when the table does not show the year.
    void show(const core::Forecast& forecast, const core::YearMark& mark, core::PointTw origin);
    void clear();

private:
    YearTable table_;
    QFont plainFont_;
    // A year stands in at most three cells (a cycle of three over eight columns).
    std::array<platform::OutlineShape*, 3> frames_{};
    platform::OutlineShape* ring_ = nullptr;
};

}  // namespace graph
