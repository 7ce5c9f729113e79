#pragma once

#include <string>

namespace joyvane::app {

// Which desktop the program talks to: X11 (XTest, RandR, the active window) or Wayland
// (uinput, Qt's screens, AT-SPI alone).
enum class SessionBackend { x11, wayland };

// The environment variables the choice reads; empty when unset.
struct SessionEnvironment {
    std::string sessionType;     // XDG_SESSION_TYPE
    std::string waylandDisplay;  // WAYLAND_DISPLAY
    std::string override;        // JOYVANE_BACKEND: "x11" or "wayland"
};

struct BackendChoice {
    SessionBackend backend = SessionBackend::x11;
    const char* qtPlatform = "xcb";  // the Qt platform whose windows live on that desktop
    // One sentence for standard error when JOYVANE_BACKEND held something else; empty otherwise.
    std::string warning;
};

// A Wayland session (XDG_SESSION_TYPE=wayland or WAYLAND_DISPLAY set) uses the Wayland
// backends even though XWayland sets DISPLAY as well; anything else uses X11. JOYVANE_BACKEND
// overrides the session when it names one of the two.
BackendChoice chooseBackend(const SessionEnvironment& environment);

// The same environment, read from this process.
SessionEnvironment currentSessionEnvironment();

}  // namespace joyvane::app
