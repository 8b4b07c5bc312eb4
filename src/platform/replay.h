#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QString>
#include <vector>

#include "platform/canvas.h"

namespace platform {

// Font of a text operation, sized in twips so that it can be drawn in a
// painter whose unit is one twip.
QFont twipFont(const QString& family, double points, bool bold, bool underline);

// How texts are put on the painter: shaped afresh every time, or from the
// glyphs kept of lines drawn before (pages, where the same lines come back
// page after page and shaping them is most of the cost of a PDF).
enum class TextShaping { EveryTime, Kept };

// Draws the operations onto a painter whose user unit is one twip. Operations
// without a colour take defaultColor.
void replayOps(QPainter& painter, const std::vector<DrawOp>& ops, const QColor& defaultColor,
               const QString& fontFamily, TextShaping shaping = TextShaping::EveryTime);

}  // namespace platform
