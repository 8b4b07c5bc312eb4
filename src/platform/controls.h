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

// Background painted in one colour, as a control's back colour.
inline void setBackColor(QWidget* w, const QColor& color, QPalette::ColorRole role) {
    QPalette p = w->palette();
    p.setColor(role, color);
    w->setPalette(p);
    w->setAutoFillBackground(role == QPalette::Window);
}

}  // namespace platform
