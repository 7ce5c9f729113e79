#pragma once

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "platform/geometry.h"

// A window of the test's own on its own connection, as any other application would have,
// recording the buttons and keys it receives.
namespace joyvane::testing {

struct ReceivedKey {
    KeySym keysym;
    bool press;
    unsigned int state;  // modifier mask at the time
};

class TestWindow {
  public:
    explicit TestWindow(const std::string& display, int width = 1440, int height = 900) {
        display_ = XOpenDisplay(display.c_str());
        if (display_ == nullptr) {
            return;
        }
        XSetWindowAttributes attributes{};
        attributes.override_redirect = True;
        attributes.event_mask =
            ButtonPressMask | ButtonReleaseMask | KeyPressMask | KeyReleaseMask | PointerMotionMask;
        window_ =
            XCreateWindow(display_, DefaultRootWindow(display_), 0, 0, static_cast<unsigned>(width),
                          static_cast<unsigned>(height), 0, CopyFromParent, InputOutput,
                          CopyFromParent, CWOverrideRedirect | CWEventMask, &attributes);
        XMapRaised(display_, window_);
        XSync(display_, False);
        XSetInputFocus(display_, window_, RevertToParent, CurrentTime);
        XSync(display_, False);
    }
    ~TestWindow() {
        if (display_ != nullptr) {
            XCloseDisplay(display_);
        }
    }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    bool ok() const { return display_ != nullptr; }
    Display* display() const { return display_; }

    // Reads the events that have arrived, waiting up to `seconds` until `keyCount` keys and
    // `buttonCount` buttons have arrived in total.
    void collect(std::size_t keyCount, std::size_t buttonCount, double seconds = 2.0) {
        auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        while (std::chrono::steady_clock::now() < end) {
            while (XPending(display_) > 0) {
                XEvent event;
                XNextEvent(display_, &event);
                handle(event);
            }
            if (keys.size() >= keyCount && buttons.size() >= buttonCount) {
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    }

    // True when none of the modifier keys is down on the server.
    bool noModifierDown() {
        char keymap[32];
        XQueryKeymap(display_, keymap);
        for (KeySym sym : {XK_Control_L, XK_Control_R, XK_Shift_L, XK_Shift_R, XK_Alt_L, XK_Alt_R,
                           XK_Super_L, XK_Super_R, XK_Meta_L}) {
            KeyCode code = XKeysymToKeycode(display_, sym);
            if (code != 0 && (keymap[code / 8] & (1 << (code % 8)))) {
                return false;
            }
        }
        return true;
    }

    std::vector<ReceivedKey> keys;
    std::vector<std::pair<unsigned int, bool>> buttons;  // X button, pressed

  private:
    void handle(XEvent& event) {
        switch (event.type) {
            case MappingNotify:
                XRefreshKeyboardMapping(&event.xmapping);
                break;
            case KeyPress:
            case KeyRelease: {
                KeySym sym = NoSymbol;
                char text[16];
                XLookupString(&event.xkey, text, sizeof text, &sym, nullptr);
                keys.push_back({sym, event.type == KeyPress, event.xkey.state});
                break;
            }
            case ButtonPress:
            case ButtonRelease:
                buttons.emplace_back(event.xbutton.button, event.type == ButtonPress);
                break;
            default:
                break;
        }
    }

    Display* display_ = nullptr;
    Window window_ = 0;
};

}  // namespace joyvane::testing
