#pragma once

#include <string>

#include "keyboard/ps_keyboard_controller.h"
#include "platform/sim/sim_platform.h"

namespace joyvane::test {

// UTF-8 of one code point, written independently of the code under test.
inline std::string utf8(char32_t cp) {
    std::string out;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return out;
}

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

inline KeyEvent keyEvent(std::uint16_t code, bool down) {
    return KeyEvent{EventSourceState::combinedSession, code, down, 0, {}};
}

}  // namespace joyvane::test
