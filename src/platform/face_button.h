#pragma once

#include <QColor>
#include <QFont>
#include <QPushButton>

#include "platform/colors.h"
#include "platform/units.h"

namespace platform {

// A push button painted in its own face colour with a raised edge, sunk while
// pressed; the default button wears a dark outer frame, the focused one a
// dotted focus frame.
class FaceButton : public QPushButton {
    Q_OBJECT

public:
    FaceButton(QWidget* parent, const QString& text, RectTw geometry, const QFont& font,
               const QColor& face = kButtonFaceColor);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor face_;
};

}  // namespace platform
