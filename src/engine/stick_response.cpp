#include "engine/stick_response.h"

#include <algorithm>
#include <cmath>

namespace joyvane {

float rescaleAxis(float value, float deadzone) {
    float magnitude = std::fabs(value);
    if (!(magnitude > deadzone)) {
        return 0.0f;
    }
    float rescaled = (magnitude - deadzone) / (1.0f - deadzone);
    return value > 0.0f ? rescaled : -rescaled;
}

std::optional<StickMotion> pointerMotion(float x, float y, const StickSettings& settings) {
    float nx = rescaleAxis(x, settings.deadzone);
    float ny = rescaleAxis(y, settings.deadzone);
    if (nx == 0.0f && ny == 0.0f) {
        return std::nullopt;
    }
    float larger = std::max(std::fabs(nx), std::fabs(ny));
    float factor = std::pow(larger, settings.acceleration - 1.0f) * settings.sensitivity;
    // Stick up moves the pointer up the screen, whose y grows downwards.
    return StickMotion{nx * factor, -(ny * factor)};
}

std::optional<StickMotion> scrollMotion(float x, float y, const StickSettings& settings) {
    float sx = rescaleAxis(x, settings.deadzone);
    float sy = rescaleAxis(y, settings.deadzone);
    if (sx == 0.0f && sy == 0.0f) {
        return std::nullopt;
    }
    float sign = settings.naturalScrolling ? -1.0f : 1.0f;
    float k = settings.scrollSensitivity;
    return StickMotion{sx * k * sign, sy * k * sign};
}

}  // namespace joyvane
