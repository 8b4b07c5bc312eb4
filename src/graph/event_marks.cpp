#include "graph/event_marks.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <map>

#include "core/forecast.h"
#include "platform/plain_tip.h"
#include "platform/units.h"

namespace graph {

namespace {

constexpr int kPinPx = 12;  // the diamond's width and height on the screen

// A diamond that says what happened when pointed at.
class EventPin : public QWidget {
public:
    explicit EventPin(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("EventPin"));
        setFixedSize(kPinPx, kPinPx);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        paintEventPin(p, QRectF(rect()));
    }
};

}  // namespace

std::vector<EventPinPlace> eventPinPlaces(const core::Forecast& forecast,
                                          const std::vector<YearNote>& notes) {
    // One pin a year, however many events it had.
    std::map<long long, QStringList> byYear;
    for (const YearNote& n : notes) {
        byYear[n.year] << n.text;
    }
    std::vector<EventPinPlace> places;
    std::map<int, int> pinsAtPoint;
    for (const auto& [year, texts] : byYear) {
        core::YearMark mark = core::markYear(forecast, year);
        if (!mark.inTable() || mark.point < 0 ||
            static_cast<std::size_t>(mark.point) >= forecast.curve.size()) {
            continue;
        }
        places.push_back(
            {year, texts, std::move(mark.cells), mark.point, pinsAtPoint[mark.point]++});
    }
    return places;
}

// The lift and the gap between stacked pins grow with the pin, so that a pin
// on paper stands where the window's does.
QRectF eventPinRect(QPointF curvePoint, int stacked, double side) {
    const double lift = side * 5 / 6;
    const double step = side + side / 6;
    const QPointF centre(curvePoint.x(), curvePoint.y() - lift - stacked * step);
    return {centre.x() - side / 2, centre.y() - side / 2, side, side};
}

QColor eventPinColor() {
    return {0xB0, 0x50, 0x00};
}

void paintEventPin(QPainter& painter, const QRectF& rect) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // Half a pixel in from the box on the screen, as much of the box on paper.
    const double in = rect.width() / 24;
    QPainterPath diamond;
    diamond.moveTo(rect.center().x(), rect.top() + in);
    diamond.lineTo(rect.right() - in, rect.center().y());
    diamond.lineTo(rect.center().x(), rect.bottom() - in);
    diamond.lineTo(rect.left() + in, rect.center().y());
    diamond.closeSubpath();
    painter.fillPath(diamond, eventPinColor());
    painter.restore();
}

EventMarks::EventMarks(QWidget* surface, const YearTable& table)
    : surface_(surface), table_(table) {}

void EventMarks::show(const core::Forecast& forecast, const std::vector<YearNote>& notes,
                      core::PointTw origin) {
    clear();
    for (const EventPinPlace& place : eventPinPlaces(forecast, notes)) {
        const QString tip = platform::plainTip(place.texts.join(u'\n'));
        for (const core::TableCell& c : place.cells) {
            QLabel* label =
                table_.at(static_cast<std::size_t>(c.column)).at(static_cast<std::size_t>(c.row));
            QFont font = label->font();
            font.setUnderline(true);
            label->setFont(font);
            label->setToolTip(tip);
            marked_.push_back(label);
        }
        const core::PointTw p = forecast.curve[static_cast<std::size_t>(place.point)];
        const QRectF box = eventPinRect(
            {platform::pxF(p.x + origin.x), platform::pxF(p.y + origin.y)}, place.stacked, kPinPx);
        auto* pin = new EventPin(surface_);
        pin->move(qRound(box.left()), qRound(box.top()));
        pin->setToolTip(tip);
        pin->setAccessibleName(place.texts.join(QStringLiteral("; ")));
        pin->show();
        pins_.push_back(pin);
    }
}

void EventMarks::clear() {
    for (QWidget* pin : pins_) {
        delete pin;
    }
    pins_.clear();
    for (QLabel* label : marked_) {
        QFont font = label->font();
        font.setUnderline(false);
        label->setFont(font);
        label->setToolTip({});
    }
    marked_.clear();
}

std::vector<QWidget*> EventMarks::pins() const {
    return pins_;
}

}  // namespace graph
