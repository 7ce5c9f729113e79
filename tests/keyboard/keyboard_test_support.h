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

    std::vector<sim::PanelAction> panelCalls() const {
        std::vector<sim::PanelAction> out;
        for (const auto& call : sim.log.all<sim::PanelCall>()) {
            out.push_back(call.action);
        }
        return out;
    }
};

inline KeyEvent textEvent(std::u16string text, bool down) {
    return KeyEvent{EventSourceState::combinedSession, 0, down, 0, std::move(text)};
}

}  // namespace joyvane::test
