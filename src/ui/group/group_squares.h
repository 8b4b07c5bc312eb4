#pragma once

#include <QSize>
#include <QString>

#include "core/group.h"
#include "graph/text_canvas.h"

namespace ui {

// Room the squares of `count` people take side by side, twips.
QSize groupSquaresSizeTw(int count);

// The name over a square: whole where it fits, else cut short with «…».
QString squareTitle(const QString& label);

// Each member's aspect square side by side, under the member's name, drawn
// by the one painter of the square; the aspects every member has lie on a
// pale green ground.
void drawGroupSquares(graph::RecordingCanvas& target, const core::Group& group,
                      const QStringList& labels);

}  // namespace ui
