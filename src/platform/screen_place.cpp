#include "platform/screen_place.h"

#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace platform {

namespace {

// A title bar and borders, for a window the desktop has not framed yet.
constexpr QMargins kAssumedFrame(8, 32, 8, 8);

// The start nearest to `start` of a span of `length` that lies within `low`
// to `high`; `low` when the span is longer than that.
int within(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length + 1));
}

// The frame the desktop has drawn, or will draw, around a window.
QMargins expectedFrame(const QWidget* window) {
    const QMargins frame = frameMargins(window);
    return frame.isNull() ? kAssumedFrame : frame;
}

class ScreenKeeper : public QObject {
public:
    explicit ScreenKeeper(QWidget* window) : QObject(window), window_(window) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // A dialog is put over its owner by its own show event, after this
        // filter has seen it: its place is checked once that is done.
        if (watched == window_ && event->type() == QEvent::Show) {
            if (qobject_cast<QDialog*>(window_) == nullptr) {
                placeOnScreen(window_);
            } else {
                QMetaObject::invokeMethod(
                    this, [this] { placeOnScreen(window_); }, Qt::QueuedConnection);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* window_;
};

}  // namespace

QRect fitWithin(const QRect& wanted, const QRect& available, const QMargins& frame,
                const QSize& minimum) {
    const QRect inner = available.marginsRemoved(frame);
    QRect placed(wanted.topLeft(), wanted.size().boundedTo(inner.size()).expandedTo(minimum));
    placed.moveLeft(within(placed.left(), placed.width(), inner.left(), inner.right()));
    placed.moveTop(within(placed.top(), placed.height(), inner.top(), inner.bottom()));
    return placed;
}

QMargins frameMargins(const QWidget* window) {
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

QRect availableArea(const QWidget* window) {
    const QScreen* screen = window->screen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

QRect centredOn(const QWidget* window, const QSize& size, const QRect& over) {
    const QMargins frame = frameMargins(window);
    QRect framed(QPoint(0, 0), size.grownBy(frame));
    framed.moveCenter(over.center());
    return framed.marginsRemoved(frame);
}

bool fitsOnScreen(const QWidget* window, const QSize& size) {
    const QRect area = availableArea(window);
    const QSize framed = size.grownBy(expectedFrame(window));
    return area.isEmpty() || (framed.width() <= area.width() && framed.height() <= area.height());
}

QRect placeOnScreen(QWidget* window, const QRect& wanted) {
    const QRect area = availableArea(window);
    const QRect placed =
        area.isEmpty() ? wanted
                       : fitWithin(wanted, area, expectedFrame(window), window->minimumSize());
    if (placed != window->geometry()) {
        window->setGeometry(placed);
    }
    return placed;
}

QRect placeOnScreen(QWidget* window) {
    return placeOnScreen(window, window->geometry());
}

void keepOnScreen(QWidget* window) {
    new ScreenKeeper(window);
}

}  // namespace platform
