#include "graph/year_table.h"

#include <QLabel>

#include "core/forecast.h"
#include "graph/curve.h"
#include "platform/shapes.h"
#include "platform/units.h"

namespace graph {

namespace {

// The frame stands just outside its cell, in the gap to the neighbours.
constexpr int kFrameMarginX = 3;
constexpr int kFrameMarginY = 2;
constexpr int kFramePx = 2;
constexpr int kRingDiameter = 16;
constexpr int kRingPx = 2;

}  // namespace

void FormirYear(const YearTable& table, const core::Forecast& forecast) {
    for (std::size_t k = 0; k < table.size(); ++k) {
        for (std::size_t i = 0; i < table[k].size(); ++i) {
            const core::YearCell& cell = forecast.years[i][k];
            table[k][i]->setText(QString::number(cell.year));
            table[k][i]->setVisible(cell.visible);
        }
    }
}

YearMarks::YearMarks(QWidget* surface, const YearTable& table)
    : table_(table), plainFont_(table[0][0]->font()) {
    using platform::OutlineShape;
    for (OutlineShape*& frame : frames_) {
        frame =
            new OutlineShape(surface, OutlineShape::Kind::Rectangle, {}, curveColor(), kFramePx);
        frame->setObjectName(QStringLiteral("YearFrame"));
        frame->hide();
    }
    ring_ = new OutlineShape(surface, OutlineShape::Kind::Circle, {}, curveColor(), kRingPx);
    ring_->setObjectName(QStringLiteral("YearRing"));
    ring_->hide();
}

void YearMarks::show(const core::Forecast& forecast, const core::YearMark& mark,
                     core::PointTw origin) {
    clear();
    if (!mark.inTable() || mark.point < 0 ||
        static_cast<std::size_t>(mark.point) >= forecast.curve.size()) {
        return;
    }
    QFont bold = plainFont_;
    bold.setBold(true);
    std::size_t used = 0;
    for (const core::TableCell& c : mark.cells) {
        QLabel* label =
            table_.at(static_cast<std::size_t>(c.column)).at(static_cast<std::size_t>(c.row));
        label->setFont(bold);
        if (used < frames_.size()) {
            platform::OutlineShape* frame = frames_[used++];
            frame->setGeometry(label->geometry().adjusted(-kFrameMarginX, -kFrameMarginY,
                                                          kFrameMarginX, kFrameMarginY));
            frame->show();
        }
    }
    const core::PointTw p = forecast.curve[static_cast<std::size_t>(mark.point)];
    const QPointF centre(platform::pxF(p.x + origin.x), platform::pxF(p.y + origin.y));
    ring_->setGeometry(QRectF(centre.x() - kRingDiameter / 2.0, centre.y() - kRingDiameter / 2.0,
                              kRingDiameter, kRingDiameter)
                           .toAlignedRect());
    ring_->show();
}

void YearMarks::clear() {
    for (const auto& column : table_) {
        for (QLabel* label : column) {
            if (label->font().bold()) {
                label->setFont(plainFont_);
            }
        }
    }
    for (platform::OutlineShape* frame : frames_) {
        frame->hide();
    }
    ring_->hide();
}

}  // namespace graph
