#include "platform/linux/x11/x11_connection.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xrandr.h>

#include <cstdlib>

namespace joyvane::x11 {

namespace {

// Xlib's default handlers end the process; a desktop program must outlive a failed request or
// a server that went away.
int ignoreProtocolError(Display*, XErrorEvent*) {
    return 0;
}
int ignoreIoError(Display*) {
    return 0;
}

}  // namespace

std::shared_ptr<X11Connection> X11Connection::open(const char* name, std::string* error) {
    auto fail = [&](std::string message) {
        if (error != nullptr) {
            *error = std::move(message);
        }
        return nullptr;
    };
    const char* shown = name != nullptr ? name : std::getenv("DISPLAY");
    if (shown == nullptr || *shown == '\0') {
        return fail("No X display is set (DISPLAY is empty), and Joyvane needs an X11 session.");
    }
    Display* display = XOpenDisplay(name);
    if (display == nullptr) {
        return fail(std::string("Cannot open the X display \"") + shown +
                    "\", and Joyvane needs an X11 session.");
    }
    int event = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    if (!XTestQueryExtension(display, &event, &errorBase, &major, &minor)) {
        XCloseDisplay(display);
        return fail(std::string("The X server \"") + shown +
                    "\" lacks the XTest extension, which Joyvane needs to post input.");
    }
    std::shared_ptr<X11Connection> connection(new X11Connection(display));
    connection->hasRandr_ = XRRQueryExtension(display, &event, &errorBase) != 0;
    return connection;
}

X11Connection::X11Connection(Display* display)
    : display_(display), root_(DefaultRootWindow(display)) {
    XSetErrorHandler(ignoreProtocolError);
    XSetIOErrorHandler(ignoreIoError);
    XSetIOErrorExitHandler(display, &X11Connection::connectionLost, this);
}

void X11Connection::connectionLost(Display*, void* self) {
    // Returning (instead of exiting) leaves the display inert: Xlib skips all later requests.
    static_cast<X11Connection*>(self)->lost_ = true;
}

X11Connection::~X11Connection() {
    if (!lost_) {
        XCloseDisplay(display_);
    }
}

}  // namespace joyvane::x11
