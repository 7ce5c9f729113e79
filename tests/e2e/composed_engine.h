#pragma once

#include <SDL.h>

#include <memory>
#include <optional>
#include <string>

#include "core/language.h"
#include "engine/controller_manager.h"
#include "keyboard/ps_keyboard_controller.h"
#include "output/mouse_controller.h"
#include "platform/linux/qt/qt_scheduler.h"
#include "platform/linux/sdl/sdl_controller_service.h"
#include "platform/linux/x11/x11_backend.h"
#include "platform/sim/call_log.h"
#include "platform/sim/sim_services.h"
#include "support/virtual_pad.h"

// The engine and the on-screen keyboard on the real SDL, X11 and (optionally) AT-SPI backends,
// put together the way the desktop program does. Only the workspace and the keyboard panel stay
// in memory: what they would do is not under test here. Needs a QCoreApplication and SDL's
// game-controller subsystem initialised by the caller.
namespace joyvane::testing {

class ComposedEngine {
  public:
    // ok() is false, with the reason in `error`, when a backend cannot start.
    ComposedEngine(const std::string& display, bool realAccessibility);
    ComposedEngine(const ComposedEngine&) = delete;
    ComposedEngine& operator=(const ComposedEngine&) = delete;
    bool ok() const { return manager != nullptr; }

    // In the order they are made; they go in the reverse order, users before what they use,
    // and the poster before the rest of X so it can let go of held buttons and keys.
    std::string error;
    QtScheduler scheduler;
    sim::CallLog log{scheduler};
    sim::SimWorkspace workspace{log};
    FixedLanguages languages{{"en-US"}};
    sim::SimKeyboardPanelFactory panels{log};
    std::unique_ptr<linux_input::SdlControllerService> controllers;
    std::optional<x11::X11Backend> x;
    std::unique_ptr<AccessibilityService> accessibility;
    std::unique_ptr<MouseController> mouse;
    std::unique_ptr<PSKeyboardController> keyboard;
    std::unique_ptr<ControllerManager> manager;
};

// Plays a virtual SDL controller into a composed engine, a step at a time: each change is
// pumped into the SDL backend at once (a press and release between two pumps would be lost)
// and the jobs it queues are run.
class PadDriver {
  public:
    PadDriver(ComposedEngine& engine, VirtualPad& pad) : engine_(engine), pad_(pad) {}

    void press(SDL_GameControllerButton button) {
        pad_.button(button, true);
        settle();
        pad_.button(button, false);
        settle();
    }
    void stick(double x, double y) {
        pad_.axis(SDL_CONTROLLER_AXIS_LEFTX, raw(x));
        pad_.axis(SDL_CONTROLLER_AXIS_LEFTY, raw(y));
        settle();
    }
    // Steers the pointer with the left stick until it is within `tolerance` of (x, y).
    bool steerPointerTo(const std::string& display, int x, int y, int tolerance = 4);
    void settle();

  private:
    static Sint16 raw(double value) {
        return static_cast<Sint16>(value >= 0 ? value * 32767 : value * 32768);
    }

    ComposedEngine& engine_;
    VirtualPad& pad_;
};

}  // namespace joyvane::testing
