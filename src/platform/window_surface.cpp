#include "platform/window_surface.h"

#include <QPaintEvent>
#include <QPainter>

#include "platform/fonts.h"
#include "platform/replay.h"
#include "platform/units.h"

namespace platform {

WindowSurface::WindowSurface(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void WindowSurface::point(int x, int y, std::optional<QColor> color) {
    DrawOp op;
    op.kind = DrawOp::Kind::Point;
    op.p1 = QPointF(x, y);
    op.color = color.value_or(foreColor_);
    op.widthTw = drawWidth_ * kTwipsPerPixel;
    ops_.push_back(op);
    update();
}

void WindowSurface::line(int x1, int y1, int x2, int y2, std::optional<QColor> color) {
    DrawOp op;
    op.kind = DrawOp::Kind::Line;
    op.p1 = QPointF(x1, y1);
    op.p2 = QPointF(x2, y2);
    op.color = color.value_or(foreColor_);
    op.widthTw = drawWidth_ * kTwipsPerPixel;
    ops_.push_back(op);
    update();
}

void WindowSurface::clear() {
    ops_.clear();
    update();
}

void WindowSurface::setBackColor(const QColor& color) {
    backColor_ = color;
    update();
}

void WindowSurface::render(QPainter& painter) const {
    painter.fillRect(QRect(QPoint(0, 0), size()), backColor_);
    painter.save();
    painter.scale(1.0 / kTwipsPerPixel, 1.0 / kTwipsPerPixel);
    replayOps(painter, ops_, foreColor_, printerFamily());
    painter.restore();
}

void WindowSurface::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    render(painter);
}

}  // namespace platform
