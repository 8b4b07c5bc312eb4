#include "platform/printer_page.h"

#include <QFontMetricsF>

#include "platform/fonts.h"
#include "platform/replay.h"

namespace platform {

PrinterPage::PrinterPage(double pageWidthTw, int deviceDpi)
    : pageWidthTw_(pageWidthTw), deviceDpi_(deviceDpi) {}

double PrinterPage::lineHeight() const {
    return QFontMetricsF(twipFont(printerFamily(), fontSize_, bold_, underline_)).height();
}

void PrinterPage::print(const QString& text) {
    DrawOp op;
    op.kind = DrawOp::Kind::Text;
    op.p1 = QPointF(x_, y_);
    op.text = text;
    op.fontSize = fontSize_;
    op.bold = bold_;
    op.underline = underline_;
    op.color = textColor_;
    ops_.push_back(op);
    x_ = 0;
    y_ += lineHeight();
}

void PrinterPage::printNumber(long long value) {
    print((value < 0 ? QString() : QStringLiteral(" ")) + QString::number(value));
}

void PrinterPage::point(int x, int y, std::optional<QColor> color) {
    DrawOp op;
    op.kind = DrawOp::Kind::Point;
    op.p1 = QPointF(x, y);
    op.color = color;
    op.widthTw = drawWidth_ * 1440.0 / deviceDpi_;
    ops_.push_back(op);
    x_ = x;
    y_ = y;
}

void PrinterPage::line(int x1, int y1, int x2, int y2, std::optional<QColor> color) {
    DrawOp op;
    op.kind = DrawOp::Kind::Line;
    op.p1 = QPointF(x1, y1);
    op.p2 = QPointF(x2, y2);
    op.color = color;
    op.widthTw = drawWidth_ * 1440.0 / deviceDpi_;
    ops_.push_back(op);
    x_ = x2;
    y_ = y2;
}

void PrinterPage::paintInRect(const QRectF& rect, PaintInRect paint) {
    DrawOp op;
    op.kind = DrawOp::Kind::Painted;
    op.rect = rect;
    op.paint = std::move(paint);
    ops_.push_back(std::move(op));
}

void PrinterPage::paintPicture(const QImage& picture, double left, double top, double width,
                               double height) {
    DrawOp op;
    op.kind = DrawOp::Kind::Picture;
    op.rect = QRectF(left, top, width, height);
    op.picture = picture;
    ops_.push_back(op);
}

bool PrinterPage::endDoc() {
    ended_ = true;
    return sink_ ? sink_(*this) : true;
}

void PrinterPage::render(QPainter& painter, double dpiX, double dpiY) const {
    painter.save();
    painter.scale(dpiX / 1440.0, dpiY / 1440.0);
    replayOps(painter, ops_, Qt::black, printerFamily(), TextShaping::Kept);
    painter.restore();
}

}  // namespace platform
