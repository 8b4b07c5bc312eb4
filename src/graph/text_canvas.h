#pragma once

#include <QColor>
#include <QString>
#include <optional>
#include <vector>

#include "platform/canvas.h"

namespace graph {

// A drawing target that also writes short texts and takes drawings that paint
// themselves: the group's chart and squares are drawn the same way into the
// window and onto the printed page.
class TextCanvas : public platform::Canvas {
public:
    // A text whose top left is at (x, y) twips, in a font of `points`.
    virtual void text(int x, int y, const QString& text, double points,
                      std::optional<QColor> color = std::nullopt) = 0;
    // A drawing that paints itself into `rect`, twips.
    virtual void paintInRect(const QRectF& rect, platform::PaintInRect paint) = 0;
};

// Keeps every operation, texts included, so that a window can replay them
// and tests can read them.
class RecordingCanvas : public TextCanvas {
public:
    void point(int x, int y, std::optional<QColor> color = std::nullopt) override;
    void line(int x1, int y1, int x2, int y2, std::optional<QColor> color = std::nullopt) override;
    void text(int x, int y, const QString& text, double points,
              std::optional<QColor> color = std::nullopt) override;
    void paintInRect(const QRectF& rect, platform::PaintInRect paint) override;
    const std::vector<platform::DrawOp>& ops() const override { return ops_; }

    void clear() { ops_.clear(); }
    // Pen width of the points and lines drawn next, twips.
    void setPenWidth(double twips) { penTw_ = twips; }

private:
    std::vector<platform::DrawOp> ops_;
    double penTw_ = 15;
};

}  // namespace graph
