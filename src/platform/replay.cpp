#include "platform/replay.h"

#include <QFontMetricsF>
#include <QPen>
#include <cmath>

namespace platform {

QFont twipFont(const QString& family, double points, bool bold, bool underline) {
    QFont f(family);
    // One point is 20 twips; pixel sizes are whole numbers, and every size the
    // program uses is a multiple of a quarter point.
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 20))));
    f.setBold(bold);
    f.setUnderline(underline);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

namespace {

// A run of dots of one colour and width, drawn as points of a round pen as
// wide as a dot: each is the same round dot a filled circle would be, and a
// PDF keeps the whole run as one short path instead of four curves a dot.
// Returns the first operation after the run.
std::size_t drawDots(QPainter& painter, const std::vector<DrawOp>& ops, std::size_t first,
                     const QColor& defaultColor) {
    const DrawOp& head = ops[first];
    const QColor color = head.color.value_or(defaultColor);
    std::vector<QPointF> dots;
    std::size_t k = first;
    for (; k < ops.size() && ops[k].kind == DrawOp::Kind::Point && ops[k].widthTw == head.widthTw &&
           ops[k].color.value_or(defaultColor) == color;
         ++k) {
        dots.push_back(ops[k].p1);
    }
    painter.setPen(QPen(color, std::max(head.widthTw, 1.0), Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPoints(dots.data(), int(dots.size()));
    return k;
}

void drawOne(QPainter& painter, const DrawOp& op, const QColor& color, const QString& fontFamily) {
    switch (op.kind) {
        case DrawOp::Kind::Point:
            break;  // drawn in runs by drawDots
        case DrawOp::Kind::Line: {
            QPen pen(color, std::max(op.widthTw, 1.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
            painter.drawLine(op.p1, op.p2);
            break;
        }
        case DrawOp::Kind::Text: {
            const QFont f = twipFont(fontFamily, op.fontSize, op.bold, op.underline);
            painter.setFont(f);
            painter.setPen(color);
            const QFontMetricsF fm(f);
            painter.drawText(QPointF(op.p1.x(), op.p1.y() + fm.ascent()), op.text);
            break;
        }
        case DrawOp::Kind::Picture:
            painter.drawImage(op.rect, op.picture);
            break;
    }
}

}  // namespace

void replayOps(QPainter& painter, const std::vector<DrawOp>& ops, const QColor& defaultColor,
               const QString& fontFamily) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (std::size_t k = 0; k < ops.size();) {
        if (ops[k].kind == DrawOp::Kind::Point) {
            k = drawDots(painter, ops, k, defaultColor);
        } else {
            drawOne(painter, ops[k], ops[k].color.value_or(defaultColor), fontFamily);
            ++k;
        }
    }
    painter.restore();
}

}  // namespace platform
