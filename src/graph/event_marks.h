#pragma once

#include <QColor>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <vector>

#include "core/forecast.h"
#include "graph/year_table.h"

class QPainter;

namespace graph {

// Something that happened in a year of the person's life, as the window pins it.
struct YearNote {
    long long year = 0;
    QString text;  // «03.1998 — переезд»: shown as typed, never as markup
};

// Where a year's events are pinned: the cells of the year table that show the
// year, and the curve point of their digit position. Several years of one
// position stack their pins upwards: `stacked` counts those below this one.
struct EventPinPlace {
    long long year = 0;
    QStringList texts;  // the year's events, in the order given
    std::vector<core::TableCell> cells;
    int point = 0;  // index into the forecast's curve
    int stacked = 0;
};

// One place a year, for the years the table shows, earliest first; the
// window and the booklet's first page set their pins by it.
std::vector<EventPinPlace> eventPinPlaces(const core::Forecast& forecast,
                                          const std::vector<YearNote>& notes);

// The box of a pin `side` wide above the curve point `curvePoint` (in the
// units of whoever draws), lifted higher for each pin stacked below it.
QRectF eventPinRect(QPointF curvePoint, int stacked, double side);

// The pin itself, a diamond filling `rect`: one drawing on every device.
void paintEventPin(QPainter& painter, const QRectF& rect);
QColor eventPinColor();

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
