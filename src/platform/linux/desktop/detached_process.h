#pragma once

#include <string>
#include <vector>

namespace joyvane::linux_desktop {

// Starts a program (looked up in PATH when the name has no slash) with these arguments and
// returns at once; a background thread collects its exit so no zombie is left. The program gets
// its own session and reads from /dev/null. False when it could not be started.
bool spawnDetached(const std::vector<std::string>& argv);

}  // namespace joyvane::linux_desktop
