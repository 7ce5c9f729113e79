#pragma once

#include <cstdint>

#include "platform/linux/x11/scroll_clicks.h"

namespace joyvane::wayland {

// One wheel of the virtual pointer: pixel scrolling becomes classic notches (the same clicks as
// on X11, remainder carried) and high-resolution units, 120 to a notch, carried the same way so
// a smooth-scrolling client moves by every pixel's share and both counts agree over time.
class WheelAxis {
  public:
    static constexpr std::int64_t kHiResPerNotch = 120;

    struct Step {
        int notches = 0;
        std::int32_t hiRes = 0;
    };

    Step add(std::int32_t pixels);

  private:
    x11::ScrollClicks notches_;
    std::int64_t hiResRemainder_ = 0;  // in 1/kPixelsPerClick of a high-resolution unit
};

}  // namespace joyvane::wayland
