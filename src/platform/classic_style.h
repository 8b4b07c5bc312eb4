#pragma once

#include <QProxyStyle>

namespace platform {

// The application's style, except for two controls that keep their classic
// look: a drop-down list is a field filled solid in its base colour with a
// frame and an arrow (the application style paints a shaded button there),
// and a frame with a caption has an etched border with the caption on its top
// line and nothing painted inside. Set on those controls alone.
class ClassicControlsStyle : public QProxyStyle {
    Q_OBJECT

public:
    ClassicControlsStyle();

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                         SubControl subControl, const QWidget* widget = nullptr) const override;
};

}  // namespace platform
