#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace platform {

// Where a window goes whose client area would be `wanted`, on a screen whose
// free area is `available`, the desktop's frame adding `frame` around it: no
// larger than the area (though never below `minimum`, what the window cannot
// be made smaller than), and moved in so that its frame, its title bar and
// its menu bar lie on the screen. A window that stays larger than the area
// keeps its top left corner, and so its title bar and menu, on the screen.
QRect fitWithin(const QRect& wanted, const QRect& available, const QMargins& frame,
                const QSize& minimum = {});

// The frame the desktop has drawn around a top-level window; none before it
// is framed (and on a desktop without a window manager).
QMargins frameMargins(const QWidget* window);

// The free area (without panels and docks) of the screen a window opens on.
QRect availableArea(const QWidget* window);

// The client area of a window of `size` whose frame stands centred on `over`.
QRect centredOn(const QWidget* window, const QSize& size, const QRect& over);

// Whether a window with a client area of `size` fits whole, frame included,
// into the free area of the screen it opens on (the frame as placeOnScreen()
// counts it).
bool fitsOnScreen(const QWidget* window, const QSize& size);

// Moves and shrinks a top-level window so that it lies whole inside the free
// area of the screen it opens on, its frame included (a usual title bar and
// borders while the desktop has not framed it yet): at `wanted`, the place and
// size of its client area, where the screen has room; moved in and made
// smaller where it has not. Gives the client area it took.
QRect placeOnScreen(QWidget* window, const QRect& wanted);
// The same for the place and size the window has now.
QRect placeOnScreen(QWidget* window);

// Places `window` on its screen as placeOnScreen() does each time it is shown,
// after Qt has put it where it goes (a dialog over its owner).
void keepOnScreen(QWidget* window);

}  // namespace platform
