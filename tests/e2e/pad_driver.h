#pragma once

#include <SDL.h>

#include <string>

#include "composed_engine.h"
#include "support/virtual_pad.h"

// Plays a virtual SDL controller into a composed engine, a step at a time: each change is
// pumped into the SDL backend at once (a press and release between two pumps would be lost)
// and the jobs it queues are run.
namespace joyvane::testing {

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
    // Runs the loop for `seconds`.
    void run(double seconds) {
        runUntil([] { return false; }, seconds);
    }
    void settle();

  private:
    static Sint16 raw(double value) {
        return static_cast<Sint16>(value >= 0 ? value * 32767 : value * 32768);
    }

    ComposedEngine& engine_;
    VirtualPad& pad_;
};

}  // namespace joyvane::testing
