#include "platform/linux/x11/x11_event_poster.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <algorithm>
#include <cmath>

namespace joyvane::x11 {

namespace {

// XTest coordinates travel as 16-bit numbers.
int wireCoordinate(double value) {
    return static_cast<int>(std::clamp(std::floor(value), -32768.0, 32767.0));
}

// The X button of an engine button event; 0 when the event is not a button event.
unsigned int xButtonOf(const MouseEvent& event, bool* down) {
    switch (event.type) {
        case MouseEventType::leftMouseDown:
        case MouseEventType::leftMouseUp:
            *down = event.type == MouseEventType::leftMouseDown;
            return 1;
        case MouseEventType::rightMouseDown:
        case MouseEventType::rightMouseUp:
            *down = event.type == MouseEventType::rightMouseDown;
            return 3;
        case MouseEventType::otherMouseDown:
        case MouseEventType::otherMouseUp:
            *down = event.type == MouseEventType::otherMouseDown;
            // Centre is X button 2; the further buttons (back, forward, ...) start at 8.
            if (event.button == mouse_button::center) {
                return 2;
            }
            return event.button >= 3 && event.button <= 20 ? static_cast<unsigned>(event.button) + 5
                                                           : 0;
        default:
            return 0;
    }
}

}  // namespace

X11EventPoster::X11EventPoster(std::shared_ptr<X11Connection> connection, X11ScreenService& screens,
                               Scheduler& scheduler)
    : connection_(std::move(connection)), screens_(screens), keyboard_(connection_, scheduler) {}

X11EventPoster::~X11EventPoster() {
    releaseAll();
}

void X11EventPoster::releaseAll() {
    // Never leave a button or key down, or a spare keycode bound, behind us.
    for (const HostStroke& stroke : translator_.releaseAll()) {
        keyboard_.stroke(stroke.keysym, stroke.down);
    }
    keyboard_.releaseAll();
    keyboard_.restoreAll();
    auto held = heldButtons_;
    for (unsigned int b : held) {
        button(b, false);
    }
}

bool X11EventPoster::moveTo(Point global) {
    Display* display = connection_->display();
    if (display == nullptr || !std::isfinite(global.x) || !std::isfinite(global.y)) {
        return false;
    }
    Point root = screens_.layout().rootFromGlobal(global);
    XTestFakeMotionEvent(display, -1, wireCoordinate(root.x), wireCoordinate(root.y), CurrentTime);
    // Synchronous (a round trip of some 35 microseconds): once a post returns, every client
    // sees its effect, not only this connection.
    XSync(display, False);
    warped_ = global;
    screens_.rememberWarp(root);
    return true;
}

void X11EventPoster::warp(Point position) {
    moveTo(position);
}

bool X11EventPoster::post(const MouseEvent& event) {
    switch (event.type) {
        case MouseEventType::mouseMoved:
        case MouseEventType::leftMouseDragged:
        case MouseEventType::rightMouseDragged:
            // The warp before it already moved the pointer, and X turns motion with a button
            // held into a drag by itself: only move when the event points elsewhere.
            if (warped_ && *warped_ == event.position && connection_->display() != nullptr) {
                return true;
            }
            return moveTo(event.position);
        default:
            break;
    }
    bool down = false;
    unsigned int xButton = xButtonOf(event, &down);
    return xButton != 0 && button(xButton, down);
}

bool X11EventPoster::button(unsigned int xButton, bool down) {
    Display* display = connection_->display();
    if (display == nullptr) {
        heldButtons_.clear();
        return false;
    }
    XTestFakeButtonEvent(display, xButton, down ? True : False, CurrentTime);
    XSync(display, False);
    if (down) {
        heldButtons_.insert(xButton);
    } else {
        heldButtons_.erase(xButton);
    }
    return true;
}

bool X11EventPoster::clicks(int count, unsigned int positive, unsigned int negative) {
    Display* display = connection_->display();
    if (display == nullptr) {
        return false;
    }
    unsigned int xButton = count > 0 ? positive : negative;
    for (int i = 0; i < std::abs(count); ++i) {
        XTestFakeButtonEvent(display, xButton, True, CurrentTime);
        XTestFakeButtonEvent(display, xButton, False, CurrentTime);
    }
    return true;
}

bool X11EventPoster::post(const ScrollEvent& event) {
    if (connection_->display() == nullptr) {
        return false;
    }
    // A positive wheel 1 scrolls towards the top of the document (X button 4), a positive
    // wheel 2 towards its left edge (X button 6).
    clicks(vertical_.add(event.wheel1), 4, 5);
    clicks(horizontal_.add(event.wheel2), 6, 7);
    if (Display* display = connection_->display()) {
        XSync(display, False);
    }
    return true;
}

bool X11EventPoster::post(const KeyEvent& event) {
    if (connection_->display() == nullptr) {
        return false;
    }
    auto strokes = translator_.translate(event);
    if (!strokes) {
        return false;
    }
    bool ok = true;
    for (const HostStroke& stroke : *strokes) {
        ok = keyboard_.stroke(stroke.keysym, stroke.down) && ok;
    }
    if (Display* display = connection_->display()) {
        XSync(display, False);
    }
    return ok;
}

}  // namespace joyvane::x11
