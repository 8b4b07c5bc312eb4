#include "graph/year_table.h"

namespace graph {

void FormirYear(const YearTable& table, const core::Forecast& forecast) {
    for (std::size_t k = 0; k < table.size(); ++k) {
        for (std::size_t i = 0; i < table[k].size(); ++i) {
            const core::YearCell& cell = forecast.years[i][k];
            table[k][i]->setText(QString::number(cell.year));
            table[k][i]->setVisible(cell.visible);
        }
    }
}

}  // namespace graph
