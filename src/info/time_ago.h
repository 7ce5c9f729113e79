#pragma once

#include <string>

#include "core/scheduler.h"

namespace joyvane {

// The age of a reading as the information tab words it: "just now" up to 4 s, then seconds
// ("12s ago") up to 59 s, then whole minutes ("1m ago", "120m ago") with no larger unit.
// A date in the future reads "just now".
std::string timeAgo(Time date, Time now, bool hebrew);

}  // namespace joyvane
