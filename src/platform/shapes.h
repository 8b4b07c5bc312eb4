#pragma once

#include <QColor>
#include <QPoint>
#include <QWidget>
#include <optional>

#include "platform/units.h"

namespace platform {

// An outline shape control: rectangle, rounded rectangle or circle, placed in
// twips. It takes no mouse input, so clicks reach whatever lies beneath.
class OutlineShape : public QWidget {
    Q_OBJECT

public:
    enum class Kind { Rectangle, RoundedRectangle, Circle };

    OutlineShape(QWidget* parent, Kind kind, RectTw geometry, const QColor& border, int borderPx,
                 std::optional<QColor> fill = std::nullopt);

    Kind kind() const { return kind_; }
    QColor borderColor() const { return border_; }
    int borderWidth() const { return borderPx_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
    QColor border_;
    int borderPx_;
    std::optional<QColor> fill_;
};

// A straight line control between two points given in twips of its parent.
class LineControl : public QWidget {
    Q_OBJECT

public:
    LineControl(QWidget* parent, QPoint fromTw, QPoint toTw, const QColor& color, int widthPx);

    QPoint fromTw() const { return from_; }
    QPoint toTw() const { return to_; }
    QColor color() const { return color_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint from_;
    QPoint to_;
    QColor color_;
    int widthPx_;
};

}  // namespace platform
