#include "info/battery_format.h"

#include <algorithm>

#include "engine/controller_manager.h"

namespace joyvane {

int batteryPercent(float level) {
    // A reading that is not a number counts as empty, and readings outside 0..1 are held to it,
    // so the conversion to an integer is always defined.
    if (!(level >= 0.0f)) {
        return 0;
    }
    level = std::min(level, 1.0f);
    // The product is taken in single precision, as the level is stored.
    float percent = level * 100.0f;
    return static_cast<int>(percent);
}

BatteryLevelColor batteryLevelColor(int percent) {
    if (percent <= 20) {
        return BatteryLevelColor::red;
    }
    if (percent <= 50) {
        return BatteryLevelColor::orange;
    }
    return BatteryLevelColor::green;
}

double levelBarFillWidth(int percent, double trackWidth) {
    return std::max(static_cast<double>(percent) / 100.0 * trackWidth, kLevelBarMinimumFill);
}

std::string batteryStateLabel(std::optional<BatteryState> state, bool hebrew) {
    switch (state.value_or(BatteryState::unknown)) {
        case BatteryState::discharging:
            return hebrew ? "מתרוקן" : "Discharging";
        case BatteryState::charging:
            return hebrew ? "טוען" : "Charging";
        case BatteryState::full:
            return hebrew ? "טעון מלא" : "Full";
        case BatteryState::unknown:
            break;
    }
    return hebrew ? "לא ידוע" : "Unknown";
}

std::vector<Point> sparklinePoints(const std::vector<BatteryHistoryEntry>& history, double width,
                                   double height) {
    std::size_t count = std::min(history.size(), kSparklineReadings);
    if (count < 2) {
        return {};
    }
    auto first = history.end() - static_cast<std::ptrdiff_t>(count);
    double step = width / static_cast<double>(count - 1);
    std::vector<Point> points;
    points.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        double level = first[static_cast<std::ptrdiff_t>(i)].level;
        points.push_back({static_cast<double>(i) * step, height - level * height});
    }
    return points;
}

}  // namespace joyvane
