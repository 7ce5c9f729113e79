#pragma once

#include <filesystem>

namespace joyvane::linux_desktop {

// Asks the desktop's file manager (org.freedesktop.FileManager1 on the session bus) to show the
// file selected in its folder. Blocks for at most a few seconds: call it off the main thread.
// False when no file manager took the request.
bool showItemInFileManager(const std::filesystem::path& file);

}  // namespace joyvane::linux_desktop
