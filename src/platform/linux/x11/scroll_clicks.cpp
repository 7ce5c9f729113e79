#include "platform/linux/x11/scroll_clicks.h"

#include <algorithm>

namespace joyvane::x11 {

int ScrollClicks::add(std::int32_t pixels) {
    if ((pixels > 0 && remainder_ < 0) || (pixels < 0 && remainder_ > 0)) {
        remainder_ = 0;  // a turn starts afresh instead of first paying back the other way
    }
    remainder_ += pixels;
    std::int64_t clicks = remainder_ / kPixelsPerClick;  // truncates towards zero
    remainder_ -= clicks * kPixelsPerClick;
    return static_cast<int>(
        std::clamp<std::int64_t>(clicks, -kMaxClicksPerEvent, kMaxClicksPerEvent));
}

}  // namespace joyvane::x11
