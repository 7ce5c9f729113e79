#pragma once

#include <memory>
#include <string>

// Xlib's display, declared here so users of this header need not include Xlib (whose macros
// clash with other libraries).
struct _XDisplay;

namespace joyvane::x11 {

using XDisplay = ::_XDisplay;
using XWindow = unsigned long;

// The program's own connection to the X server, shared by the event poster and the screen
// service. X errors never end the program: a failed request is ignored, and once the
// connection breaks every user sees display() turn null and does nothing.
class X11Connection {
  public:
    // Opens the display (`name` null: $DISPLAY) and checks for XTest and RandR. Null, with one
    // sentence naming the problem in `error`, when either is missing.
    static std::shared_ptr<X11Connection> open(const char* name, std::string* error);
    ~X11Connection();
    X11Connection(const X11Connection&) = delete;
    X11Connection& operator=(const X11Connection&) = delete;

    // Null once the connection is lost.
    XDisplay* display() const { return lost_ ? nullptr : display_; }
    XWindow root() const { return root_; }
    bool hasRandr() const { return hasRandr_; }
    bool isLost() const { return lost_; }

  private:
    explicit X11Connection(XDisplay* display);
    static void connectionLost(XDisplay* display, void* self);

    XDisplay* display_;
    XWindow root_;
    bool hasRandr_ = false;
    bool lost_ = false;
};

}  // namespace joyvane::x11
