#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace platform {

// A label's or caption's text colour: what the design calls its fore colour.
inline void setForeColor(QWidget* w, const QColor& color) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, color);
    p.setColor(QPalette::Text, color);
    p.setColor(QPalette::ButtonText, color);
    w->setPalette(p);
}

inline QColor foreColor(const QWidget* w) {
    return w->palette().color(QPalette::WindowText);
}

}  // namespace platform
