#include "platform/linux/wayland/wheel_axis.h"

#include <algorithm>

namespace joyvane::wayland {

WheelAxis::Step WheelAxis::add(std::int32_t pixels) {
    using x11::ScrollClicks;
    if ((pixels > 0 && hiResRemainder_ < 0) || (pixels < 0 && hiResRemainder_ > 0)) {
        hiResRemainder_ = 0;  // as the notches: a turn starts afresh
    }
    hiResRemainder_ += static_cast<std::int64_t>(pixels) * kHiResPerNotch;
    std::int64_t units = hiResRemainder_ / ScrollClicks::kPixelsPerClick;
    hiResRemainder_ -= units * ScrollClicks::kPixelsPerClick;
    const std::int64_t bound = ScrollClicks::kMaxClicksPerEvent * kHiResPerNotch;
    return {notches_.add(pixels), static_cast<std::int32_t>(std::clamp(units, -bound, bound))};
}

}  // namespace joyvane::wayland
