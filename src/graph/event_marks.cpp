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

constexpr int kPinPx = 12;    // the diamond's width and height
constexpr int kPinLift = 10;  // from the curve point to the lowest diamond's centre
const QColor kPinColor(0xB0, 0x50, 0x00);

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
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath diamond;
        const qreal h = kPinPx / 2.0;
        diamond.moveTo(h, 0.5);
        diamond.lineTo(kPinPx - 0.5, h);
        diamond.lineTo(h, kPinPx - 0.5);
        diamond.lineTo(0.5, h);
        diamond.closeSubpath();
        p.fillPath(diamond, kPinColor);
    }
};

}  // namespace

EventMarks::EventMarks(QWidget* surface, const YearTable& table)
    : surface_(surface), table_(table) {}

void EventMarks::show(const core::Forecast& forecast, const std::vector<YearNote>& notes,
                      core::PointTw origin) {
    clear();
    // One pin and one tooltip a year, however many events it had.
    std::map<long long, QStringList> byYear;
    for (const YearNote& n : notes) {
        byYear[n.year] << n.text;
    }
    std::map<int, int> pinsAtPoint;
    for (const auto& [year, texts] : byYear) {
        const core::YearMark mark = core::markYear(forecast, year);
        if (!mark.inTable() || mark.point < 0 ||
            static_cast<std::size_t>(mark.point) >= forecast.curve.size()) {
            continue;
        }
        const QString tip = platform::plainTip(texts.join(u'\n'));
        for (const core::TableCell& c : mark.cells) {
            QLabel* label =
                table_.at(static_cast<std::size_t>(c.column)).at(static_cast<std::size_t>(c.row));
            QFont font = label->font();
            font.setUnderline(true);
            label->setFont(font);
            label->setToolTip(tip);
            marked_.push_back(label);
        }
        // Several years of one digit position stack their pins upwards.
        const int stacked = pinsAtPoint[mark.point]++;
        const core::PointTw p = forecast.curve[static_cast<std::size_t>(mark.point)];
        const QPointF centre(platform::pxF(p.x + origin.x),
                             platform::pxF(p.y + origin.y) - kPinLift - stacked * (kPinPx + 2));
        auto* pin = new EventPin(surface_);
        pin->move(qRound(centre.x() - kPinPx / 2.0), qRound(centre.y() - kPinPx / 2.0));
        pin->setToolTip(tip);
        pin->setAccessibleName(texts.join(QStringLiteral("; ")));
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
