#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QPainter;

namespace platform {

// A drawing that paints itself with a painter into a rectangle: a drawing that
// has one painter for every device (the aspect square) kept among the
// operations as it is.
using PaintInRect = std::function<void(QPainter& painter, const QRectF& rect)>;

// What a surface keeps of everything drawn on it, in twips, so that it can be
// replayed onto any painter and read back by tests.
struct DrawOp {
    enum class Kind { Point, Line, Text, Picture, Painted };

    Kind kind = Kind::Point;
    QPointF p1;                   // point, line start, top-left of a text
    QPointF p2;                   // line end
    std::optional<QColor> color;  // none: the surface's current colour
    double widthTw = 0;           // pen width of points and lines, twips
    QString text;
    double fontSize = 0;  // points
    bool bold = false;
    bool underline = false;
    QRectF rect;  // picture target, or where a painted drawing goes
    QImage picture;
    PaintInRect paint;  // a painted drawing
};

// A drawing target that takes points and lines in twips, with an optional colour.
class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void point(int x, int y, std::optional<QColor> color = std::nullopt) = 0;
    virtual void line(int x1, int y1, int x2, int y2,
                      std::optional<QColor> color = std::nullopt) = 0;
    virtual const std::vector<DrawOp>& ops() const = 0;
};

}  // namespace platform
