#pragma once

#include <cmath>
#include <concepts>
#include <limits>

namespace joyvane {

// Truncates towards zero into an integer type without undefined behaviour: NaN gives 0 and
// values beyond the type's range (infinities included) give its nearest limit.
template <std::signed_integral Int>
Int saturatingTruncate(double value) {
    constexpr double lowest = static_cast<double>(std::numeric_limits<Int>::min());
    // For 64 bits the maximum is not representable and rounds up to 2^63, itself out of range.
    constexpr double highest = static_cast<double>(std::numeric_limits<Int>::max());
    if (std::isnan(value)) {
        return 0;
    }
    if (value <= lowest) {
        return std::numeric_limits<Int>::min();
    }
    if (value >= highest) {
        return std::numeric_limits<Int>::max();
    }
    return static_cast<Int>(value);
}

}  // namespace joyvane
