#include "aspects/square_painter.h"

#include <QPainter>
#include <QPainterPath>

#include "aspects/aspect_table.h"
#include "platform/fonts.h"
#include "platform/replay.h"

namespace aspects {

namespace {

// Pens and the marked aspects' ground, twips of the design.
constexpr double kOutlinePen = kShapeBorderPx * platform::kTwipsPerPixel;
constexpr double kCirclePen = kCircleBorderPx * platform::kTwipsPerPixel;
constexpr double kSegmentPen = kSegmentPx * platform::kTwipsPerPixel;
constexpr int kMarkMargin = 75;  // the ground reaches this far beyond the circle
const QColor kMarkedGround(205, 238, 205);
const QColor kLevelColour(0, 0, 0);

QRectF rectOf(const platform::RectTw& r) {
    return QRectF(r.left, r.top, r.width, r.height);
}

void drawOutline(QPainter& p) {
    QPen pen(kShapeBorder, kOutlinePen);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const double inset = kOutlinePen / 2;
    const QRectF r = rectOf(kOutline).adjusted(inset, inset, -inset, -inset);
    const double radius = std::min(r.width(), r.height()) / 8;
    p.drawRoundedRect(r, radius, radius);
}

void drawMarks(QPainter& p, const SquareLevels& levels) {
    p.setPen(Qt::NoPen);
    p.setBrush(kMarkedGround);
    for (const Aspect& a : kAspects) {
        if (levels.marked[static_cast<std::size_t>(a.index)]) {
            const QRectF r =
                rectOf(a.circle).adjusted(-kMarkMargin, -kMarkMargin, kMarkMargin, kMarkMargin);
            p.drawRoundedRect(r, kMarkMargin, kMarkMargin);
        }
    }
}

void drawSegments(QPainter& p, const SquareLevels& levels) {
    p.setPen(QPen(kSegmentColour, kSegmentPen, Qt::SolidLine, Qt::FlatCap));
    for (std::size_t k = 0; k < kSegments.size(); ++k) {
        if (levels.segments[k]) {
            const Segment& s = kSegments[k];
            p.drawLine(QPointF(s.from.x, s.from.y), QPointF(s.to.x, s.to.y));
        }
    }
}

void drawText(QPainter& p, const QRectF& box, const QString& text, double points,
              const QColor& colour) {
    p.setFont(platform::twipFont(platform::family(platform::Face::Arial), points, true, false));
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, text);
}

void drawAspects(QPainter& p, const SquareLevels& levels, std::optional<QColor> background) {
    for (const Aspect& a : kAspects) {
        const core::AspectValue& v = levels.aspects[static_cast<std::size_t>(a.index)];
        if (v.present) {
            p.setPen(QPen(kCircleBorder, kCirclePen));
            p.setBrush(Qt::NoBrush);
            const double inset = kCirclePen / 2;
            p.drawEllipse(rectOf(a.circle).adjusted(inset, inset, -inset, -inset));
            const QRectF counter = rectOf(a.counter);
            if (background) {
                p.fillRect(counter, *background);
            }
            drawText(p, counter, QString::number(v.level), kCounterPoints, kLevelColour);
        }
        drawText(p, rectOf(a.digitLabel), QString::number(a.digit), kDigitPoints,
                 v.root ? kRootColour : kDigitColour);
    }
}

}  // namespace

SquareLevels SquareLevels::of(const core::Forecast& forecast) {
    SquareLevels levels;
    levels.aspects = forecast.aspects;
    levels.segments = forecast.segments;
    return levels;
}

QSizeF squareSizeTw() {
    return {static_cast<double>(kSquarePlace.width), static_cast<double>(kSquarePlace.height)};
}

void paintSquare(QPainter& painter, const QRectF& rect, const SquareLevels& levels,
                 std::optional<QColor> background) {
    const QSizeF design = squareSizeTw();
    const double scale = std::min(rect.width() / design.width(), rect.height() / design.height());
    if (scale <= 0) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(rect.left() + (rect.width() - design.width() * scale) / 2,
                      rect.top() + (rect.height() - design.height() * scale) / 2);
    painter.scale(scale, scale);
    if (background) {
        painter.fillRect(QRectF(QPointF(0, 0), design), *background);
    }
    drawMarks(painter, levels);
    drawOutline(painter);
    drawSegments(painter, levels);
    drawAspects(painter, levels, background);
    painter.restore();
}

}  // namespace aspects
