#include "graph/year_table.h"

namespace graph {

void FormirYear(const YearTable& table, core::Int16 BazYear, core::Byte lenNum) {
    for (const auto& column : table) {
        for (QLabel* cell : column) {
            cell->setVisible(true);
        }
    }
    // Five to seven digits leave the columns after the last digit empty.
    const int n = lenNum.value();
    if (n >= 5 && n <= 7) {
        for (int k = n; k < 8; ++k) {
            for (QLabel* cell : table[k]) {
                cell->setVisible(false);
            }
        }
    }
    for (int k = 1; k <= 8; ++k) {
        const core::Int16 year = BazYear + core::Int16::of(k - 1);
        table[k - 1][0]->setText(QString::number(year.value()));
    }
    // Later rows are not limited to 16 bits.
    for (int i = 1; i <= 9; ++i) {
        for (int k = 1; k <= 8; ++k) {
            const long long year = static_cast<long long>(i) * n + BazYear.wide() + (k - 1);
            table[k - 1][i]->setText(QString::number(year));
        }
    }
}

}  // namespace graph
