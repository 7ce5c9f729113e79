#pragma once

#include <gtest/gtest.h>

#include "output/mouse_controller.h"
#include "platform/sim/sim_platform.h"

namespace joyvane::test {

// A mouse controller on the sim platform: one 1440 x 900 screen, pointer in its middle.
class MouseTest : public ::testing::Test {
  protected:
    sim::SimPlatform sim;
    MouseController mouse{sim.poster, sim.screens};

    std::vector<MouseEvent> mouseEvents() const { return sim.log.all<MouseEvent>(); }
    std::vector<KeyEvent> keyEvents() const { return sim.log.all<KeyEvent>(); }
    std::vector<ScrollEvent> scrollEvents() const { return sim.log.all<ScrollEvent>(); }
    std::vector<sim::WarpCall> warps() const { return sim.log.all<sim::WarpCall>(); }

    // The single mouse event posted since the log was last cleared.
    MouseEvent onlyMouseEvent() const {
        auto events = mouseEvents();
        EXPECT_EQ(events.size(), 1u);
        return events.empty() ? MouseEvent{} : events.front();
    }
};

inline KeyEvent key(std::uint16_t code, bool down, std::uint64_t flags = 0) {
    KeyEvent event;
    event.source = EventSourceState::combinedSession;
    event.keyCode = code;
    event.down = down;
    event.flags = flags;
    return event;
}

}  // namespace joyvane::test
