#include "support/x_probe.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <functional>
#include <memory>

namespace joyvane::testing {
namespace {

using DisplayHandle = std::unique_ptr<Display, int (*)(Display*)>;

DisplayHandle open(const std::string& name) {
    return DisplayHandle(XOpenDisplay(name.c_str()), XCloseDisplay);
}

std::string utf8Property(Display* display, Window window, const char* name) {
    Atom property = XInternAtom(display, name, False);
    Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::string text;
    if (XGetWindowProperty(display, window, property, 0, 1024, False, AnyPropertyType, &type,
                           &format, &count, &after, &data) == Success &&
        data != nullptr) {
        if ((type == utf8 || type == XA_STRING) && format == 8) {
            text.assign(reinterpret_cast<char*>(data), count);
        }
        XFree(data);
    }
    return text;
}

pid_t pidOf(Display* display, Window window) {
    Atom property = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    pid_t pid = 0;
    if (XGetWindowProperty(display, window, property, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success &&
        data != nullptr) {
        if (count == 1 && format == 32) {
            pid = static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data));
        }
        XFree(data);
    }
    return pid;
}

XWindowInfo describe(Display* display, Window window) {
    XWindowInfo info;
    info.id = window;
    info.name = utf8Property(display, window, "_NET_WM_NAME");
    if (info.name.empty()) {
        info.name = utf8Property(display, window, "WM_NAME");
    }
    info.pid = pidOf(display, window);
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, window, &attributes) != 0) {
        info.viewable = attributes.map_state == IsViewable;
        Window child = None;
        int x = 0;
        int y = 0;
        XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child);
        info.box = {x, y, attributes.width, attributes.height};
    }
    return info;
}

void walk(Display* display, Window window, const std::function<void(Window)>& visit) {
    Window root = None;
    Window parent = None;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, window, &root, &parent, &children, &count) == 0) {
        return;
    }
    for (unsigned int i = 0; i < count; ++i) {
        visit(children[i]);
        walk(display, children[i], visit);
    }
    if (children != nullptr) {
        XFree(children);
    }
}

// Windows vanish while the tree is read; their errors mean nothing here.
int ignoreErrors(Display*, XErrorEvent*) {
    return 0;
}

}  // namespace

std::optional<Box> pointerPosition(const std::string& name) {
    auto display = open(name);
    if (!display) {
        return std::nullopt;
    }
    Window root = None;
    Window child = None;
    int x = 0;
    int y = 0;
    int wx = 0;
    int wy = 0;
    unsigned int mask = 0;
    XQueryPointer(display.get(), DefaultRootWindow(display.get()), &root, &child, &x, &y, &wx, &wy,
                  &mask);
    return Box{x, y, 0, 0};
}

std::vector<XWindowInfo> allWindows(const std::string& name) {
    std::vector<XWindowInfo> windows;
    auto display = open(name);
    if (!display) {
        return windows;
    }
    auto previous = XSetErrorHandler(ignoreErrors);
    walk(display.get(), DefaultRootWindow(display.get()),
         [&](Window window) { windows.push_back(describe(display.get(), window)); });
    XSync(display.get(), False);
    XSetErrorHandler(previous);
    return windows;
}

std::vector<XWindowInfo> viewableWindowsOf(const std::string& display, pid_t pid) {
    std::vector<XWindowInfo> found;
    for (const XWindowInfo& window : allWindows(display)) {
        if (window.pid == pid && window.viewable) {
            found.push_back(window);
        }
    }
    return found;
}

std::vector<XWindowInfo> trayIcons(const std::string& name) {
    std::vector<XWindowInfo> icons;
    auto display = open(name);
    if (!display) {
        return icons;
    }
    std::string selection = "_NET_SYSTEM_TRAY_S" + std::to_string(DefaultScreen(display.get()));
    Window owner =
        XGetSelectionOwner(display.get(), XInternAtom(display.get(), selection.c_str(), False));
    if (owner == None) {
        return icons;
    }
    // The tray host's panel need not be the selection owner, but both belong to the same
    // client, and the server gives each client's resources the same high bits.
    auto clientOf = [](Window window) { return window >> 21; };
    auto previous = XSetErrorHandler(ignoreErrors);
    std::function<void(Window, bool)> visit = [&](Window window, bool insideTray) {
        Window root = None;
        Window parent = None;
        Window* children = nullptr;
        unsigned int count = 0;
        if (XQueryTree(display.get(), window, &root, &parent, &children, &count) == 0) {
            return;
        }
        for (unsigned int i = 0; i < count; ++i) {
            Window child = children[i];
            bool trayWindow = clientOf(child) == clientOf(owner);
            if (insideTray && !trayWindow) {
                XWindowInfo info = describe(display.get(), child);
                if (info.viewable) {
                    icons.push_back(info);
                }
            }
            visit(child, insideTray || trayWindow);
        }
        if (children != nullptr) {
            XFree(children);
        }
    };
    visit(DefaultRootWindow(display.get()), false);
    XSync(display.get(), False);
    XSetErrorHandler(previous);
    return icons;
}

std::string focusedWindow(const std::string& name) {
    auto display = open(name);
    if (!display) {
        return {};
    }
    Window focus = None;
    int revert = 0;
    XGetInputFocus(display.get(), &focus, &revert);
    if (focus == None || focus == PointerRoot) {
        return {};
    }
    XWindowInfo info = describe(display.get(), focus);
    return "\"" + info.name + "\" of process " + std::to_string(info.pid);
}

bool typeKey(const std::string& name, const std::string& keysymName) {
    auto display = open(name);
    if (!display) {
        return false;
    }
    KeyCode code = XKeysymToKeycode(display.get(), XStringToKeysym(keysymName.c_str()));
    if (code == 0) {
        return false;
    }
    XTestFakeKeyEvent(display.get(), code, True, CurrentTime);
    XTestFakeKeyEvent(display.get(), code, False, CurrentTime);
    XSync(display.get(), False);
    return true;
}

bool closeWindow(const std::string& name, unsigned long window) {
    auto display = open(name);
    if (!display) {
        return false;
    }
    XEvent message{};
    message.xclient.type = ClientMessage;
    message.xclient.window = window;
    message.xclient.message_type = XInternAtom(display.get(), "WM_PROTOCOLS", False);
    message.xclient.format = 32;
    message.xclient.data.l[0] =
        static_cast<long>(XInternAtom(display.get(), "WM_DELETE_WINDOW", False));
    message.xclient.data.l[1] = CurrentTime;
    XSendEvent(display.get(), window, False, NoEventMask, &message);
    XSync(display.get(), False);
    return true;
}

bool clickAt(const std::string& name, int x, int y) {
    auto display = open(name);
    if (!display) {
        return false;
    }
    XTestFakeMotionEvent(display.get(), -1, x, y, CurrentTime);
    XTestFakeButtonEvent(display.get(), 1, True, CurrentTime);
    XTestFakeButtonEvent(display.get(), 1, False, CurrentTime);
    XSync(display.get(), False);
    return true;
}

}  // namespace joyvane::testing
