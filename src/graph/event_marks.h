#pragma once

#include <QString>
#include <vector>

#include "graph/year_table.h"

namespace graph {

// Something that happened in a year of the person's life, as the window pins it.
struct YearNote {
    long long year = 0;
    QString text;  // «03.1998 — переезд»: shown as typed, never as markup
};

// Life events set beside the curve and the year table: a small diamond
// above the curve point of the event's year, and the year's cells
// underlined, both with the events' texts as their tooltip. A year the
// table does not show gets no mark.
class EventMarks {
public:
    EventMarks(QWidget* surface, const YearTable& table);

    void show(const core::Forecast& forecast, const std::vector<YearNote>& notes,
              core::PointTw origin);
    void clear();
    // The pins now shown, for the window's tests.
    std::vector<QWidget*> pins() const;

private:
    QWidget* surface_;
    YearTable table_;
    std::vector<QWidget*> pins_;
    std::vector<QLabel*> marked_;  // cells given a tooltip and an underline
};

}  // namespace graph
