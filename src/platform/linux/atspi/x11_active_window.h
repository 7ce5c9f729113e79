#pragma once

#include <functional>
#include <optional>

#include "platform/linux/atspi/focus_cache.h"

typedef struct _GMainContext GMainContext;
typedef struct _GSource GSource;
typedef struct xcb_connection_t xcb_connection_t;

namespace joyvane::atspi {

// Follows _NET_ACTIVE_WINDOW on the root window of the X display (its own connection, on the
// GLib thread) and reports the active window's _NET_WM_PID and WM_CLASS at every change.
class X11ActiveWindow {
  public:
    // The active window, or none when no window is active.
    using Listener = std::function<void(std::optional<ActiveWindow>)>;

    // False when there is no X display; nothing is reported then. `lost` is called once when the
    // connection breaks.
    bool start(GMainContext* context, Listener listener, std::function<void()> lost);
    void stop();

    // Called by the source when the connection has something to read; false once it is broken.
    bool handleReadable();

  private:
    void readEvents();
    void report();

    xcb_connection_t* connection_ = nullptr;
    GSource* source_ = nullptr;
    unsigned root_ = 0;
    unsigned activeAtom_ = 0;
    unsigned pidAtom_ = 0;
    Listener listener_;
    std::function<void()> lost_;
};

}  // namespace joyvane::atspi
