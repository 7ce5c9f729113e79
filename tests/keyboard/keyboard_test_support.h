#pragma once

#include "keyboard/ps_keyboard_controller.h"
#include "platform/sim/sim_platform.h"

namespace joyvane::test {

// A keyboard on the sim platform with a controller attached and control on.
struct KeyboardFixture {
    sim::SimPlatform sim;
    PSKeyboardController kb{sim.scheduler, sim.poster, sim.accessibility, sim.panels};

    KeyboardFixture() {
        kb.controllerConnected = true;
        kb.controllerEnabled = true;
    }
};

inline KeyEvent textEvent(std::u16string text, bool down) {
    return KeyEvent{EventSourceState::combinedSession, 0, down, 0, std::move(text)};
}

}  // namespace joyvane::test
