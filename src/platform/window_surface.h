#pragma once

#include <QColor>
#include <QWidget>
#include <vector>

#include "platform/canvas.h"

namespace platform {

// The main window's persistent drawing surface: everything drawn stays until
// clear() and is repainted from the kept operations whenever the widget is
// uncovered, at any device pixel ratio. Controls are its children and sit on
// top of the drawing.
class WindowSurface : public QWidget, public Canvas {
    Q_OBJECT

public:
    explicit WindowSurface(QWidget* parent = nullptr);

    void point(int x, int y, std::optional<QColor> color = std::nullopt) override;
    void line(int x1, int y1, int x2, int y2, std::optional<QColor> color = std::nullopt) override;
    const std::vector<DrawOp>& ops() const override { return ops_; }

    // Removes all points and lines; the controls stay.
    void clear();

    // Pen width of points and lines, in pixels.
    void setDrawWidth(int pixels) { drawWidth_ = pixels; }
    int drawWidth() const { return drawWidth_; }

    void setBackColor(const QColor& color);
    QColor backColor() const { return backColor_; }

    // Draws the background and the kept operations; the painter's unit is one
    // logical pixel of this widget.
    void render(QPainter& painter) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<DrawOp> ops_;
    int drawWidth_ = 1;
    QColor backColor_ = Qt::white;
    QColor foreColor_ = Qt::black;
};

}  // namespace platform
