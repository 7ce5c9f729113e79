#pragma once

#include "keyboard/ps_keyboard_controller.h"
#include "platform/sim/sim_platform.h"
#include "ui/keyboard_panel/keyboard_panel_window.h"

namespace joyvane::ui::test {

// The keyboard panel's real window over the sim platform, opened as a connected controller
// opens it.
struct ShownPanel {
    sim::SimPlatform& sim;
    QtKeyboardPanelFactory factory{sim.screens, sim.languages};
    PSKeyboardController keyboard{sim.scheduler, sim.poster, sim.accessibility, factory};
    KeyboardPanelWindow* window = open();

    KeyboardPanelWindow* open() {
        keyboard.controllerConnected = true;
        keyboard.show();
        return factory.lastPanel();
    }
};

}  // namespace joyvane::ui::test
