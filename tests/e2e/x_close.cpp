// Xlib defines macros (None, Bool, Status) that clash with Qt and GoogleTest,
// so the one Xlib call of the harness lives alone here.
#include "x_desktop.h"
// Qt's headers first: they refuse to follow Xlib's macros.
#include <X11/Xlib.h>

namespace e2e {

void Desktop::requestClose(const XWindow& w) const {
    Display* dpy = XOpenDisplay(display_.toLocal8Bit().constData());
    if (dpy == nullptr) {
        throw Failure(QStringLiteral("cannot open display %1").arg(display_));
    }
    const Atom protocols = XInternAtom(dpy, "WM_PROTOCOLS", False);
    const Atom deleteWindow = XInternAtom(dpy, "WM_DELETE_WINDOW", False);

    // A window manager sends the close request only to windows that ask for it.
    Atom* announced = nullptr;
    int count = 0;
    bool asks = false;
    if (XGetWMProtocols(dpy, w.id, &announced, &count) != 0) {
        for (int i = 0; i < count; ++i) {
            asks = asks || announced[i] == deleteWindow;
        }
        XFree(announced);
    }
    if (!asks) {
        XCloseDisplay(dpy);
        throw Failure(QStringLiteral("window %1 does not take WM_DELETE_WINDOW").arg(w.id));
    }

    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = w.id;
    event.xclient.message_type = protocols;
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(deleteWindow);
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(dpy, w.id, False, NoEventMask, &event);
    XFlush(dpy);
    XCloseDisplay(dpy);
}

}  // namespace e2e
