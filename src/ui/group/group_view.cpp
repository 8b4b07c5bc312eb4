#include "ui/group/group_view.h"

#include <QPainter>

#include "platform/fonts.h"
#include "platform/replay.h"
#include "platform/units.h"

namespace ui {

GroupView::GroupView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GroupView::setCompose(Compose compose) {
    compose_ = std::move(compose);
    recompose();
}

void GroupView::recompose() {
    canvas_.clear();
    if (compose_) {
        compose_(canvas_,
                 {0, 0, width() * platform::kTwipsPerPixel, height() * platform::kTwipsPerPixel});
    }
    update();
}

void GroupView::render(QPainter& painter) const {
    painter.fillRect(rect(), Qt::white);
    painter.save();
    painter.scale(1.0 / platform::kTwipsPerPixel, 1.0 / platform::kTwipsPerPixel);
    platform::replayOps(painter, canvas_.ops(), Qt::black, platform::family(platform::Face::Arial));
    painter.restore();
}

void GroupView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    render(painter);
}

void GroupView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    recompose();
}

}  // namespace ui
