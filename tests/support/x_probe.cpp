#include "support/x_probe.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <functional>

namespace joyvane::testing {
namespace {

// Asks `ask` on a connection of its own, flushed afterwards; false when there is no display.
bool withDisplay(const std::string& name, const std::function<void(Display*)>& ask) {
    Display* display = XOpenDisplay(name.c_str());
    if (display != nullptr) {
        ask(display);
        XCloseDisplay(display);  // which flushes what was asked
    }
    return display != nullptr;
}

// The items of a window property: bytes for a text, longs for format 32.
template <typename Item>
std::vector<Item> property(Display* display, Window window, const char* name) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::vector<Item> items;
    if (XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 1024, False,
                           AnyPropertyType, &type, &format, &count, &after, &data) == Success &&
        data != nullptr) {
        if ((format == 8) == (sizeof(Item) == 1)) {
            items.assign(reinterpret_cast<Item*>(data), reinterpret_cast<Item*>(data) + count);
        }
        XFree(data);
    }
    return items;
}

XWindowInfo describe(Display* display, Window window, Window parent = None) {
    XWindowInfo info;
    info.id = window;
    info.parent = parent;
    auto name = property<char>(display, window, "_NET_WM_NAME");
    info.name.assign(name.begin(), name.end());
    auto pid = property<unsigned long>(display, window, "_NET_WM_PID");
    info.pid = pid.size() == 1 ? static_cast<pid_t>(pid[0]) : 0;
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, window, &attributes) != 0) {
        info.viewable = attributes.map_state == IsViewable;
        Window child = None;
        XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &info.box.x,
                              &info.box.y, &child);
        info.box.width = attributes.width;
        info.box.height = attributes.height;
    }
    return info;
}

void walk(Display* display, Window window, std::vector<XWindowInfo>& windows) {
    Window root = None;
    Window parent = None;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, window, &root, &parent, &children, &count) == 0) {
        return;
    }
    for (unsigned int i = 0; i < count; ++i) {
        windows.push_back(describe(display, children[i], window));
        walk(display, children[i], windows);
    }
    XFree(children);  // which takes a null pointer too
}

std::optional<std::pair<Box, unsigned int>> queryPointer(const std::string& name) {
    std::optional<std::pair<Box, unsigned int>> answer;
    withDisplay(name, [&](Display* display) {
        Window root = None;
        Window child = None;
        int wx = 0;
        int wy = 0;
        answer.emplace();
        XQueryPointer(display, DefaultRootWindow(display), &root, &child, &answer->first.x,
                      &answer->first.y, &wx, &wy, &answer->second);
    });
    return answer;
}

Window selectionOwner(const std::string& name, const std::string& selection) {
    Window owner = None;
    withDisplay(name, [&](Display* display) {
        owner = XGetSelectionOwner(display, XInternAtom(display, selection.c_str(), False));
    });
    return owner;
}

// Every window of the display, top-level or not, in stacking order.
std::vector<XWindowInfo> allWindows(const std::string& name) {
    std::vector<XWindowInfo> windows;
    withDisplay(name, [&](Display* display) {
        // Windows vanish while the tree is read; their errors mean nothing here.
        auto previous = XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
        walk(display, DefaultRootWindow(display), windows);
        XSync(display, False);
        XSetErrorHandler(previous);
    });
    return windows;
}

}  // namespace

std::optional<Box> pointerPosition(const std::string& display) {
    auto pointer = queryPointer(display);
    return pointer ? std::optional<Box>(pointer->first) : std::nullopt;
}

bool leftButtonDown(const std::string& display) {
    auto pointer = queryPointer(display);
    return pointer && (pointer->second & Button1Mask) != 0;
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
    Window owner = selectionOwner(name, "_NET_SYSTEM_TRAY_S0");
    // The tray host's panel need not be the selection owner, but both belong to the same
    // client, and the server gives each client's resources the same high bits. An icon is
    // another client's window inside the panel.
    auto ofTray = [owner](unsigned long window) { return window >> 21 == owner >> 21; };
    std::vector<XWindowInfo> icons;
    for (const XWindowInfo& window : allWindows(name)) {
        if (owner != None && window.viewable && ofTray(window.parent) && !ofTray(window.id)) {
            icons.push_back(window);
        }
    }
    return icons;
}

bool selectionOwned(const std::string& name, const std::string& selection) {
    return selectionOwner(name, selection) != None;
}

std::string focusedWindow(const std::string& name) {
    std::string text;
    withDisplay(name, [&](Display* display) {
        Window focus = None;
        int revert = 0;
        XGetInputFocus(display, &focus, &revert);
        if (focus != None && focus != PointerRoot) {
            XWindowInfo info = describe(display, focus);
            text = "\"" + info.name + "\" of process " + std::to_string(info.pid);
        }
    });
    return text;
}

bool typeKey(const std::string& name, const std::string& keysymName) {
    KeyCode code = 0;
    withDisplay(name, [&](Display* display) {
        code = XKeysymToKeycode(display, XStringToKeysym(keysymName.c_str()));
        if (code != 0) {
            XTestFakeKeyEvent(display, code, True, CurrentTime);
            XTestFakeKeyEvent(display, code, False, CurrentTime);
        }
    });
    return code != 0;
}

bool closeWindow(const std::string& name, unsigned long window) {
    return withDisplay(name, [&](Display* display) {
        XEvent message{};
        message.xclient.type = ClientMessage;
        message.xclient.window = window;
        message.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
        message.xclient.format = 32;
        message.xclient.data.l[0] =
            static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
        message.xclient.data.l[1] = CurrentTime;
        XSendEvent(display, window, False, NoEventMask, &message);
    });
}

bool killClient(const std::string& name, unsigned long window) {
    return withDisplay(name, [&](Display* display) { XKillClient(display, window); });
}

bool clickAt(const std::string& name, int x, int y) {
    return withDisplay(name, [&](Display* display) {
        XTestFakeMotionEvent(display, -1, x, y, CurrentTime);
        XTestFakeButtonEvent(display, 1, True, CurrentTime);
        XTestFakeButtonEvent(display, 1, False, CurrentTime);
    });
}

}  // namespace joyvane::testing
