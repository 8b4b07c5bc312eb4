#pragma once

#include <QStyledItemDelegate>

namespace ui {

// Draws cells as usual and, over a cell that does not show all its text
// (too narrow, or a note of several lines), shows the whole text as a tool
// tip, literally: markup in a client's text stays text.
class CutOffTips : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // Whether the cell shows less than its whole text (its tool tip role).
    static bool cutOff(const QStyleOptionViewItem& option, const QModelIndex& index);

    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;
};

}  // namespace ui
