#include "graph/text_canvas.h"

namespace graph {

void RecordingCanvas::point(int x, int y, std::optional<QColor> color) {
    platform::DrawOp op;
    op.kind = platform::DrawOp::Kind::Point;
    op.p1 = QPointF(x, y);
    op.color = color;
    op.widthTw = penTw_ * 3;  // a year's dot stands out from the line through it
    ops_.push_back(op);
}

void RecordingCanvas::line(int x1, int y1, int x2, int y2, std::optional<QColor> color) {
    platform::DrawOp op;
    op.kind = platform::DrawOp::Kind::Line;
    op.p1 = QPointF(x1, y1);
    op.p2 = QPointF(x2, y2);
    op.color = color;
    op.widthTw = penTw_;
    ops_.push_back(op);
}

void RecordingCanvas::text(int x, int y, const QString& text, double points,
                           std::optional<QColor> color) {
    platform::DrawOp op;
    op.kind = platform::DrawOp::Kind::Text;
    op.p1 = QPointF(x, y);
    op.text = text;
    op.fontSize = points;
    op.color = color;
    ops_.push_back(op);
}

void RecordingCanvas::paintInRect(const QRectF& rect, platform::PaintInRect paint) {
    platform::DrawOp op;
    op.kind = platform::DrawOp::Kind::Painted;
    op.rect = rect;
    op.paint = std::move(paint);
    ops_.push_back(std::move(op));
}

}  // namespace graph
