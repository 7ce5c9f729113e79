#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/controller_service.h"
#include "platform/geometry.h"

namespace joyvane {

struct BatteryHistoryEntry;

// How the information tab presents a battery reading.

// The level as a whole percentage, truncated (0.509 reads 50). Not-a-number reads 0; levels
// outside 0..1 are held to it.
int batteryPercent(float level);

enum class BatteryLevelColor { red, orange, green };

// Red up to 20 %, orange from 21 to 50 %, green from 51 %.
BatteryLevelColor batteryLevelColor(int percent);

inline constexpr double kLevelBarWidth = 240;
inline constexpr double kLevelBarHeight = 16;
inline constexpr double kLevelBarMinimumFill = 4;

// Width of the level bar's fill: its share of the track, never thinner than 4 points so that an
// almost empty battery still shows.
double levelBarFillWidth(int percent, double trackWidth = kLevelBarWidth);

// "Discharging", "Charging", "Full" or "Unknown" (also when there is no state).
std::string batteryStateLabel(std::optional<BatteryState> state, bool hebrew);

inline constexpr std::size_t kSparklineReadings = 20;

// Points of the battery-history line in a w x h box, y down: the last 20 readings spread evenly
// across the width, each at its level on the fixed 0-to-1 scale (full at the top). Fewer than two
// readings draw nothing.
std::vector<Point> sparklinePoints(const std::vector<BatteryHistoryEntry>& history, double width,
                                   double height);

}  // namespace joyvane
