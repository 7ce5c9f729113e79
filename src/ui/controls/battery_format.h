#pragma once

#include <optional>
#include <string>

#include "platform/controller_service.h"

namespace joyvane::ui {

// The integer part of level × 100 (32-bit float arithmetic) followed by "%": 0.999 reads "99%".
// A level that is not a number reads "0%"; levels beyond 0..1 are held to it.
std::string batteryPercentText(float level);

// The battery symbol for a level and state: "battery.0" below 0.1 whatever the state, otherwise
// the nearest of 25, 50, 75, 100 from below, with ".bolt" while charging.
std::string batterySymbolName(float level, std::optional<BatteryState> state);

enum class BatteryTone { green, primary, red };

// Green while charging or full; otherwise the primary colour above 0.2 and red at or below.
BatteryTone batteryTone(float level, std::optional<BatteryState> state);

}  // namespace joyvane::ui
