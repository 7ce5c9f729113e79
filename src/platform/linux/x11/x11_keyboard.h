#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "core/scheduler.h"
#include "platform/linux/x11/keysyms.h"
#include "platform/linux/x11/x11_connection.h"

namespace joyvane::x11 {

// Presses and releases keys by keysym through XTest. A keysym on the second level of its key
// is typed with Shift. A keysym the keymap lacks (Hebrew letters, most symbols) is bound to a
// spare keycode, one with no symbols at all; the binding is kept until a while after the key
// was released, because a client looks the keysym up only when it reads the event, and then
// the spare keycode is given back.
class X11Keyboard {
  public:
    static constexpr double kRestoreAfter = 2.0;  // seconds a released binding is kept

    X11Keyboard(std::shared_ptr<X11Connection> connection, Scheduler& scheduler);
    ~X11Keyboard();  // releases held keys and gives every spare keycode back
    X11Keyboard(const X11Keyboard&) = delete;
    X11Keyboard& operator=(const X11Keyboard&) = delete;

    // False when the keysym cannot be typed (no keycode and no spare one, or no connection).
    bool stroke(Keysym keysym, bool down);
    // Releases every key this keyboard still holds down.
    void releaseAll();
    // Gives every spare keycode back at once (call releaseAll first).
    void restoreAll();

  private:
    struct Resolved {
        std::uint8_t code = 0;
        bool shift = false;
    };
    struct Binding {
        std::uint8_t code = 0;
        Keysym keysym = 0;
        joyvane::Time releasedAt = 0;
        int held = 0;
    };

    std::optional<Resolved> resolve(XDisplay* display, Keysym keysym);
    std::optional<std::uint8_t> bindSpare(XDisplay* display, Keysym keysym,
                                          const std::vector<unsigned long>& map, int min,
                                          int perCode);
    void setSymbol(XDisplay* display, std::uint8_t code, Keysym keysym, int perCode);
    void restoreIdleBindings(bool all);
    void scheduleRestore();

    std::shared_ptr<X11Connection> connection_;
    Scheduler& scheduler_;
    std::map<Keysym, Resolved> pressed_;
    std::vector<Binding> bindings_;
    std::shared_ptr<ScheduledTask> restoreTimer_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace joyvane::x11
