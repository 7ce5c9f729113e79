#include "ui/controls/battery_format.h"

#include <algorithm>
#include <cmath>

namespace joyvane::ui {

std::string batteryPercentText(float level) {
    const float held = std::isnan(level) ? 0.0f : std::clamp(level, 0.0f, 1.0f);
    const float percent = held * 100.0f;
    return std::to_string(static_cast<int>(percent)) + "%";
}

std::string batterySymbolName(float level, std::optional<BatteryState> state) {
    const bool charging = state == BatteryState::charging;
    const char* base = nullptr;
    if (level >= 0.875f) {
        base = "battery.100";
    } else if (level >= 0.625f) {
        base = "battery.75";
    } else if (level >= 0.375f) {
        base = "battery.50";
    } else if (level >= 0.1f) {
        base = "battery.25";
    } else {
        return "battery.0";
    }
    return charging ? std::string(base) + ".bolt" : std::string(base);
}

BatteryTone batteryTone(float level, std::optional<BatteryState> state) {
    if (state == BatteryState::charging || state == BatteryState::full) {
        return BatteryTone::green;
    }
    return level > 0.2f ? BatteryTone::primary : BatteryTone::red;
}

}  // namespace joyvane::ui
