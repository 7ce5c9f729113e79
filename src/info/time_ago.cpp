#include "info/time_ago.h"

#include <cmath>

namespace joyvane {

std::string timeAgo(Time date, Time now, bool hebrew) {
    // Whole seconds, truncated toward zero; an age that is not a number reads as now.
    double elapsed = now - date;
    if (!(elapsed < 5.0e15)) {
        elapsed = std::isnan(elapsed) ? 0.0 : 5.0e15;
    }
    auto seconds = static_cast<long long>(std::trunc(elapsed));
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
