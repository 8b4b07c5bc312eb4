#pragma once

#include <QLabel>
#include <array>

#include "core/checked.h"

namespace graph {

// The year table under the graph: [column K - 1][row i], K = 1..8, i = 0..9.
using YearTable = std::array<std::array<QLabel*, 10>, 8>;

// Captions every cell with the year its digit position governs and shows as
// many columns as the life number has digits (all eight for four or fewer).
void FormirYear(const YearTable& table, core::Int16 BazYear, core::Byte lenNum);

}  // namespace graph
