#pragma once

#include <filesystem>

namespace joyvane::linux_desktop {

// The program an autostart entry should start: `installed` when that file exists (the path the
// build installs to), otherwise this process's executable as `selfLink` names it, without the
// " (deleted)" the kernel adds once the file was replaced while running. "joyvane" (found on
// the PATH at login) when neither can be read.
std::filesystem::path programPath(const std::filesystem::path& installed,
                                  const std::filesystem::path& selfLink = "/proc/self/exe");

// programPath with the install location this build was configured with, when there is one.
std::filesystem::path programPath();

}  // namespace joyvane::linux_desktop
