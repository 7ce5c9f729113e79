#include "platform/linux/sdl/axis_values.h"

#include <algorithm>
#include <cmath>

namespace joyvane::linux_input {

float stickAxis(std::int16_t raw, bool invert) {
    if (raw == 0) {
        return 0.0f;  // never -0
    }
    // The range is asymmetric: divide each side by its own extreme so both reach 1.
    float value = raw < 0 ? static_cast<float>(raw) / 32768.0f : static_cast<float>(raw) / 32767.0f;
    value = std::clamp(value, -1.0f, 1.0f);
    return invert ? -value : value;
}

float triggerAxis(std::int16_t raw) {
    if (raw <= 0) {
        return 0.0f;
    }
    return std::clamp(static_cast<float>(raw) / 32767.0f, 0.0f, 1.0f);
}

float touchpadAxis(float normalized, bool invert) {
    if (std::isnan(normalized)) {
        normalized = 0.5f;  // infinities are clamped below
    }
    float value = std::clamp(normalized, 0.0f, 1.0f) * 2.0f - 1.0f;
    if (invert) {
        value = -value;
    }
    return value == 0.0f ? 0.0f : value;
}

DpadValue dpadValue(bool up, bool down, bool left, bool right) {
    auto axis = [](bool positive, bool negative) {
        return static_cast<float>(static_cast<int>(positive) - static_cast<int>(negative));
    };
    return {axis(right, left), axis(up, down)};
}

}  // namespace joyvane::linux_input
