#include "platform/shapes.h"

#include <QPainter>
#include <algorithm>

namespace platform {

OutlineShape::OutlineShape(QWidget* parent, Kind kind, RectTw geometry, const QColor& border,
                           int borderPx, std::optional<QColor> fill)
    : QWidget(parent), kind_(kind), border_(border), borderPx_(borderPx), fill_(fill) {
    setGeometry(geometry.toPx());
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void OutlineShape::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, kind_ != Kind::Rectangle);
    QPen pen(border_, borderPx_);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(fill_ ? QBrush(*fill_) : QBrush(Qt::NoBrush));
    // The border lies inside the control's bounds.
    const double inset = borderPx_ / 2.0;
    QRectF r = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    switch (kind_) {
        case Kind::Rectangle:
            p.drawRect(r);
            break;
        case Kind::RoundedRectangle: {
            const double radius = std::min(r.width(), r.height()) / 8;
            p.drawRoundedRect(r, radius, radius);
            break;
        }
        case Kind::Circle: {
            const double d = std::min(r.width(), r.height());
            p.drawEllipse(QRectF(r.center().x() - d / 2, r.center().y() - d / 2, d, d));
            break;
        }
    }
}

LineControl::LineControl(QWidget* parent, QPoint fromTw, QPoint toTw, const QColor& color,
                         int widthPx)
    : QWidget(parent), from_(fromTw), to_(toTw), color_(color), widthPx_(widthPx) {
    const QPoint a = pointTw(fromTw.x(), fromTw.y());
    const QPoint b = pointTw(toTw.x(), toTw.y());
    const int m = widthPx;
    setGeometry(QRect(QPoint(std::min(a.x(), b.x()) - m, std::min(a.y(), b.y()) - m),
                      QPoint(std::max(a.x(), b.x()) + m, std::max(a.y(), b.y()) + m)));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineControl::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(color_, widthPx_, Qt::SolidLine, Qt::FlatCap));
    const QPoint origin = geometry().topLeft();
    p.drawLine(QPointF(pxF(from_.x()) - origin.x(), pxF(from_.y()) - origin.y()),
               QPointF(pxF(to_.x()) - origin.x(), pxF(to_.y()) - origin.y()));
}

}  // namespace platform
