#include "platform/face_button.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace platform {

FaceButton::FaceButton(QWidget* parent, const QString& text, RectTw geometry, const QFont& font,
                       const QColor& face)
    : QPushButton(text, parent), face_(face) {
    setGeometry(geometry.toPx());
    setFont(font);
}

void FaceButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    QRect r = rect();
    if (isDefault()) {
        painter.setPen(Qt::black);
        painter.drawRect(r.adjusted(0, 0, -1, -1));
        r.adjust(1, 1, -1, -1);
    }
    painter.fillRect(r, face_);
    const bool sunk = isDown();
    const QColor light = sunk ? face_.darker(160) : Qt::white;
    const QColor dark = sunk ? Qt::white : face_.darker(160);
    painter.setPen(light);
    painter.drawLine(r.topLeft(), r.topRight() - QPoint(1, 0));
    painter.drawLine(r.topLeft(), r.bottomLeft() - QPoint(0, 1));
    painter.setPen(dark);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());

    const QRect textArea = r.adjusted(3, 3, -3, -3).translated(sunk ? QPoint(1, 1) : QPoint());
    painter.setPen(isEnabled() ? palette().color(QPalette::ButtonText)
                               : palette().color(QPalette::Disabled, QPalette::ButtonText));
    painter.setFont(font());
    painter.drawText(textArea, Qt::AlignCenter, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = textArea.adjusted(1, 1, -1, -1);
        focus.backgroundColor = face_;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

}  // namespace platform
