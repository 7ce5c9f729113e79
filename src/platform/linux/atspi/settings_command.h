#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace joyvane::atspi {

// The command that opens the desktop's accessibility settings: the one of the running desktop
// ($XDG_CURRENT_DESKTOP, a colon-separated list) when its program is installed, otherwise the
// first installed of the known ones; nothing when none is.
std::optional<std::vector<std::string>> accessibilitySettingsCommand(
    const std::string& currentDesktop, const std::function<bool(const std::string&)>& installed);

// Whether a program of this name is found in $PATH.
bool isInPath(const std::string& program);

}  // namespace joyvane::atspi
