#pragma once

#include <string_view>

namespace joyvane::simtool {

// What `joyvane-sim --help` prints: the usage and the scenario format.
std::string_view helpText();

}  // namespace joyvane::simtool
