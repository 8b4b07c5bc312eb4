#pragma once

#include <QObject>
#include <QRect>

class QTableView;
class QWidget;

namespace ui {

// Where a window of `wanted` placement goes on a screen whose free area is
// `available`, its frame adding `frame` around: never larger than the area,
// and moved in so that every edge, and so every button, can be reached.
QRect fitWithin(const QRect& wanted, const QRect& available, const QMargins& frame);

// Remembers the book window's place and size, the widths of its columns and
// the column it is sorted by, between runs of the program; and each time the
// window is shown, fits it into the free area of its screen, whatever the
// display's scale.
class BookWindowMemory : public QObject {
public:
    BookWindowMemory(QWidget* window, QTableView* table);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void save() const;
    void fitToScreen();

    QWidget* window_;
    QTableView* table_;
    bool restored_ = false;
};

}  // namespace ui
