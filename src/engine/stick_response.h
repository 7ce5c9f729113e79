#pragma once

#include <optional>

namespace joyvane {

// How the sticks turn into pointer motion and scrolling. Everything is in 32-bit floats: the
// settings are narrowed before use and the results widened only when posted.
struct StickSettings {
    float deadzone = 0;
    float sensitivity = 0;
    float acceleration = 0;
    float scrollSensitivity = 0;
    bool naturalScrolling = false;
};

struct StickMotion {
    float x = 0;
    float y = 0;
};

// A square dead zone: inside it the axis reads 0, outside it the rest of the travel is stretched
// back to the full range, keeping the sign.
float rescaleAxis(float value, float deadzone);

// Pointer motion in points (y down) for one tick of the left stick, or nothing when both axes
// rest in the dead zone. The power curve follows the larger axis, so a diagonal moves each axis
// as far as a straight push moves its one axis.
std::optional<StickMotion> pointerMotion(float x, float y, const StickSettings& settings);

// Horizontal and vertical scroll amounts for one tick of the right stick, or nothing when both
// axes rest in the dead zone. Linear in the rescaled deflection.
std::optional<StickMotion> scrollMotion(float x, float y, const StickSettings& settings);

}  // namespace joyvane
