#include "info/time_ago.h"

#include <cmath>

namespace joyvane {

std::string timeAgo(Time date, Time now, bool hebrew) {
    // Whole seconds, truncated toward zero.
    auto seconds = static_cast<long long>(std::trunc(now - date));
    if (seconds <= 4) {
        return hebrew ? "עכשיו" : "just now";
    }
    if (seconds < 60) {
        std::string s = std::to_string(seconds);
        return hebrew ? "לפני " + s + "שנ'" : s + "s ago";
    }
    std::string m = std::to_string(seconds / 60);
    return hebrew ? "לפני " + m + "ד'" : m + "m ago";
}

}  // namespace joyvane
