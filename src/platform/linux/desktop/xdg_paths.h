#pragma once

#include <filesystem>

namespace joyvane::linux_desktop {

// $XDG_CONFIG_HOME when it is set to an absolute path, otherwise ~/.config.
std::filesystem::path configHome();

}  // namespace joyvane::linux_desktop
