#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "graph/group_chart.h"

namespace ui {

// A drawing of the group window, composed in twips for the size the
// widget has and kept as a list of operations: the window repaints from the
// list and tests read it. The owner says what to draw (setCompose) and asks
// for a new drawing when the figures change (recompose).
class GroupView : public QWidget {
    Q_OBJECT

public:
    using Compose =
        std::function<void(graph::RecordingCanvas& target, const graph::ChartArea& area)>;

    explicit GroupView(QWidget* parent = nullptr);

    void setCompose(Compose compose);
    void recompose();
    const std::vector<platform::DrawOp>& ops() const { return canvas_.ops(); }

    // Draws the kept operations; the painter's unit is one logical pixel.
    void render(QPainter& painter) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Compose compose_;
    graph::RecordingCanvas canvas_;
};

}  // namespace ui
