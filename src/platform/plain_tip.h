#pragma once

#include <QString>

namespace platform {

// A tooltip that shows typed text as it was typed: Qt takes a tooltip that
// looks like markup for markup, so the text is escaped and its lines kept.
inline QString plainTip(const QString& text) {
    return QStringLiteral("<p style='white-space:pre-wrap'>%1</p>").arg(text.toHtmlEscaped());
}

}  // namespace platform
