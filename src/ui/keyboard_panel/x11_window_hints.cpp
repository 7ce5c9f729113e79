#include "ui/keyboard_panel/x11_window_hints.h"

#include <QGuiApplication>

// Xlib last: its macros clash with Qt names.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace joyvane::ui::x11 {

namespace {

constexpr long kAllDesktops = 0xFFFFFFFF;
constexpr long kNetWmStateAdd = 1;

void sendToRoot(Display* display, Window window, Atom type, long a, long b, long c) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = type;
    event.xclient.format = 32;
    event.xclient.data.l[0] = a;
    event.xclient.data.l[1] = b;
    event.xclient.data.l[2] = c;
    event.xclient.data.l[3] = 1;  // a normal application
    XSendEvent(display, DefaultRootWindow(display), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
}

}  // namespace

void showOnAllDesktopsAbove(WId id, bool mapped) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->display()) {
        return;
    }
    Display* display = x11->display();
    auto window = static_cast<Window>(id);
    Atom desktop = XInternAtom(display, "_NET_WM_DESKTOP", False);
    Atom state = XInternAtom(display, "_NET_WM_STATE", False);
    Atom sticky = XInternAtom(display, "_NET_WM_STATE_STICKY", False);
    Atom above = XInternAtom(display, "_NET_WM_STATE_ABOVE", False);
    if (mapped) {
        sendToRoot(display, window, desktop, kAllDesktops, 1, 0);
        sendToRoot(display, window, state, kNetWmStateAdd, static_cast<long>(sticky),
                   static_cast<long>(above));
    } else {
        unsigned long all = kAllDesktops;
        XChangeProperty(display, window, desktop, XA_CARDINAL, 32, PropModeReplace,
                        reinterpret_cast<unsigned char*>(&all), 1);
    }
    XFlush(display);
}

}  // namespace joyvane::ui::x11
