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

void replayOps(QPainter& painter, const std::vector<DrawOp>& ops, const QColor& defaultColor,
               const QString& fontFamily) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (const DrawOp& op : ops) {
        const QColor color = op.color.value_or(defaultColor);
        switch (op.kind) {
            case DrawOp::Kind::Point: {
                // A round dot as wide as the pen, centred on the point.
                painter.setPen(Qt::NoPen);
                painter.setBrush(color);
                const double r = std::max(op.widthTw, 1.0) / 2;
                painter.drawEllipse(op.p1, r, r);
                break;
            }
            case DrawOp::Kind::Line: {
                QPen pen(color, std::max(op.widthTw, 1.0), Qt::SolidLine, Qt::RoundCap,
                         Qt::RoundJoin);
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
    painter.restore();
}

}  // namespace platform
