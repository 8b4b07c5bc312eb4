#include "platform/replay.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPen>
#include <QTextLayout>
#include <cmath>

#include "platform/kept_by_text.h"

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

// A line of text as glyphs, with the height of its baseline above them.
struct ShapedLine {
    QList<QGlyphRun> runs;
    double ascent = 0;
};

ShapedLine shapeLine(const QString& text, const QFont& font) {
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    return {layout.glyphRuns(), line.isValid() ? line.ascent() : 0};
}

// The lines drawn lately, so that a run of pages shapes each of its recurring
// lines (the texts of the readings, the heads, the captions) once. A thousand
// lines are about two megabytes, whatever the number of pages.
void drawKept(QPainter& painter, const QFont& font, QPointF baseline, const QString& text) {
    static KeptByText<ShapedLine> kept(1000);
    const ShapedLine line =
        kept.get(font.key() + u'\n' + text, [&] { return shapeLine(text, font); });
    for (const QGlyphRun& run : line.runs) {
        painter.drawGlyphRun(QPointF(baseline.x(), baseline.y() - line.ascent), run);
    }
}

void drawText(QPainter& painter, const DrawOp& op, const QString& fontFamily, TextShaping shaping) {
    const QFont f = twipFont(fontFamily, op.fontSize, op.bold, op.underline);
    painter.setFont(f);
    const QPointF baseline(op.p1.x(), op.p1.y() + QFontMetricsF(f).ascent());
    // An underline is left to drawText, which draws it as the window does.
    if (shaping == TextShaping::Kept && !op.underline) {
        drawKept(painter, f, baseline, op.text);
    } else {
        painter.drawText(baseline, op.text);
    }
}

void drawOne(QPainter& painter, const DrawOp& op, const QColor& color, const QString& fontFamily,
             TextShaping shaping) {
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
        case DrawOp::Kind::Text:
            painter.setPen(color);
            drawText(painter, op, fontFamily, shaping);
            break;
        case DrawOp::Kind::Picture:
            painter.drawImage(op.rect, op.picture);
            break;
        case DrawOp::Kind::Painted:
            if (op.paint) {
                painter.save();
                op.paint(painter, op.rect);
                painter.restore();
            }
            break;
    }
}

}  // namespace

void replayOps(QPainter& painter, const std::vector<DrawOp>& ops, const QColor& defaultColor,
               const QString& fontFamily, TextShaping shaping) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (std::size_t k = 0; k < ops.size();) {
        if (ops[k].kind == DrawOp::Kind::Point) {
            k = drawDots(painter, ops, k, defaultColor);
        } else {
            drawOne(painter, ops[k], ops[k].color.value_or(defaultColor), fontFamily, shaping);
            ++k;
        }
    }
    painter.restore();
}

}  // namespace platform
