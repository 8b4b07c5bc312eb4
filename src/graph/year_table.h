#pragma once

#include <QLabel>
#include <array>

#include "core/forecast.h"

namespace graph {

// The year table under the graph: [column K - 1][row i], K = 1..8, i = 0..9.
using YearTable = std::array<std::array<QLabel*, 10>, 8>;

// FormirYear: captions every cell with the year its digit position governs and
// shows as many columns as the forecast says.
void FormirYear(const YearTable& table, const core::Forecast& forecast);

}  // namespace graph
