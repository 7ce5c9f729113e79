#pragma once

#include <cstdint>

namespace joyvane::linux_input {

// Conversions from SDL's raw controller values to the engine's ranges. Every result is finite
// and inside its range by construction, whatever the input.

// A stick axis from -32768..32767 to -1..1. Both ends are full deflection and 0 is exactly 0.
// `invert` flips the sign, for SDL's downward y.
float stickAxis(std::int16_t raw, bool invert = false);

// A trigger axis from 0..32767 to 0..1; negative raw values read as 0.
float triggerAxis(std::int16_t raw);

// A touchpad coordinate from SDL's 0..1 (y down) to -1..1; `invert` for y, which the engine
// wants upwards. Out-of-range values are clamped and NaN reads as the centre.
float touchpadAxis(float normalized, bool invert = false);

// The d-pad as a pad: -1, 0 or 1 on each axis, y up.
struct DpadValue {
    float x = 0;
    float y = 0;
};
DpadValue dpadValue(bool up, bool down, bool left, bool right);

}  // namespace joyvane::linux_input
