#pragma once

#include <memory>
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

// The engine and the on-screen keyboard on the real SDL, X11 and (optionally) AT-SPI backends,
// put together the way the desktop program does. Only the workspace and the keyboard panel stay
// in memory: what they would do is not under test here. Needs a QCoreApplication and SDL's
// game-controller subsystem initialised by the caller.
namespace joyvane::testing {

class ComposedEngine {
  public:
    // Null with the reason in `error` when a backend cannot start.
    static std::unique_ptr<ComposedEngine> create(
        const std::string& display, bool realAccessibility, std::string* error,
        linux_input::SdlControllerService::Options controllerOptions = {});
    ~ComposedEngine();
    ComposedEngine(const ComposedEngine&) = delete;
    ComposedEngine& operator=(const ComposedEngine&) = delete;

    QtScheduler scheduler;
    std::unique_ptr<linux_input::SdlControllerService> controllers;
    std::unique_ptr<x11::X11Backend> x;
    std::unique_ptr<AccessibilityService> accessibility;
    sim::CallLog log{scheduler};
    sim::SimWorkspace workspace{log};
    FixedLanguages languages{{"en-US"}};
    sim::SimKeyboardPanelFactory panels{log};
    std::unique_ptr<MouseController> mouse;
    std::unique_ptr<PSKeyboardController> keyboard;
    std::unique_ptr<ControllerManager> manager;

  private:
    ComposedEngine() = default;
};

}  // namespace joyvane::testing
