#include "platform/classic_style.h"

#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>

namespace platform {

namespace {

constexpr int kCaptionIndent = 8;   // from the frame's left edge to the caption
constexpr int kCaptionPadding = 2;  // free space either side of the caption

// Where a frame's caption stands: on the top border line, near its left end.
QRect captionRect(const QStyleOptionGroupBox& box) {
    const QFontMetrics& fm = box.fontMetrics;
    const int width = fm.horizontalAdvance(box.text) + 2 * kCaptionPadding;
    return QRect(box.rect.left() + kCaptionIndent, box.rect.top(), width, fm.height());
}

}  // namespace

// No base style given: the proxy follows the application's style.
ClassicControlsStyle::ClassicControlsStyle() = default;

QRect ClassicControlsStyle::subControlRect(ComplexControl control,
                                           const QStyleOptionComplex* option, SubControl subControl,
                                           const QWidget* widget) const {
    if (control == CC_GroupBox) {
        if (const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option)) {
            const QRect caption = captionRect(*box);
            const QRect frame = box->rect.adjusted(0, caption.height() / 2, 0, 0);
            switch (subControl) {
                case SC_GroupBoxLabel:
                    return caption;
                case SC_GroupBoxFrame:
                    return frame;
                case SC_GroupBoxContents:
                    return box->rect.adjusted(2, caption.height(), -2, -2);
                default:
                    break;
            }
        }
    }
    return QProxyStyle::subControlRect(control, option, subControl, widget);
}

void ClassicControlsStyle::drawComplexControl(ComplexControl control,
                                              const QStyleOptionComplex* option, QPainter* painter,
                                              const QWidget* widget) const {
    if (control == CC_ComboBox) {
        const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option);
        if (combo != nullptr && !combo->editable) {
            painter->save();
            painter->fillRect(combo->rect.adjusted(1, 1, -1, -1),
                              combo->palette.color(QPalette::Base));
            QStyleOptionFrame frame;
            frame.QStyleOption::operator=(*combo);
            frame.lineWidth = 1;
            frame.state |= State_Sunken;
            proxy()->drawPrimitive(PE_FrameLineEdit, &frame, painter, widget);
            QStyleOption arrow(*combo);
            arrow.rect = proxy()->subControlRect(CC_ComboBox, combo, SC_ComboBoxArrow, widget);
            proxy()->drawPrimitive(PE_IndicatorArrowDown, &arrow, painter, widget);
            painter->restore();
            return;
        }
    }
    if (control == CC_GroupBox) {
        if (const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option)) {
            painter->save();
            // An etched border: a dark line with a light one beside it.
            const QRect frame = subControlRect(CC_GroupBox, box, SC_GroupBoxFrame, widget);
            painter->setPen(box->palette.color(QPalette::Dark));
            painter->drawRect(frame.adjusted(0, 0, -2, -2));
            painter->setPen(box->palette.color(QPalette::Light));
            painter->drawRect(frame.adjusted(1, 1, -1, -1));
            // The caption interrupts the top line.
            const QRect caption = subControlRect(CC_GroupBox, box, SC_GroupBoxLabel, widget);
            painter->fillRect(caption, box->palette.color(QPalette::Window));
            proxy()->drawItemText(painter, caption, Qt::AlignCenter | Qt::TextShowMnemonic,
                                  box->palette, box->state & State_Enabled, box->text,
                                  QPalette::WindowText);
            painter->restore();
            return;
        }
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

}  // namespace platform
