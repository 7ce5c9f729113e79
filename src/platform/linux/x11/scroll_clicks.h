#pragma once

#include <cstdint>

namespace joyvane::x11 {

// Turns pixel scrolling into wheel clicks. A click is worth kPixelsPerClick pixels (about two
// lines of text in common toolkits, which scroll three lines per click); what is left over is
// carried to the next call so slow scrolling still moves, and dropped when the direction turns.
class ScrollClicks {
  public:
    static constexpr std::int64_t kPixelsPerClick = 32;
    static constexpr int kMaxClicksPerEvent = 64;  // bounds what one event can post

    // Whole clicks for `pixels` more of scrolling on this axis; the sign gives the direction.
    int add(std::int32_t pixels);

  private:
    std::int64_t remainder_ = 0;
};

}  // namespace joyvane::x11
