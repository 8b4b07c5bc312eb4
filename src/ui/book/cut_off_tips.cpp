#include "ui/book/cut_off_tips.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QStyle>
#include <QToolTip>

namespace ui {

bool CutOffTips::cutOff(const QStyleOptionViewItem& option, const QModelIndex& index) {
    const QString whole = index.data(Qt::ToolTipRole).toString();
    const QString shown = index.data(Qt::DisplayRole).toString();
    if (whole.isEmpty()) {
        return false;
    }
    if (whole != shown) {
        return true;
    }
    // The cell's own margins on both sides, as the style draws them.
    const QStyle* style = option.widget ? option.widget->style() : nullptr;
    const int margin =
        style ? 2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) + 1)
              : 6;
    return option.fontMetrics.horizontalAdvance(shown) + margin > option.rect.width();
}

bool CutOffTips::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                           const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (event->type() != QEvent::ToolTip) {
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    }
    if (!index.isValid() || !cutOff(option, index)) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    // Escaped, so that a name like «<b>» is shown as typed; lines kept.
    const QString whole = index.data(Qt::ToolTipRole).toString();
    QToolTip::showText(
        event->globalPos(),
        QStringLiteral("<p style='white-space:pre-wrap'>%1</p>").arg(whole.toHtmlEscaped()), view,
        option.rect);
    return true;
}

}  // namespace ui
