#include "platform/linux/desktop/xdg_paths.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace joyvane::linux_desktop {

namespace {

std::filesystem::path homeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) {
        return home;
    }
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir) {
        return entry->pw_dir;
    }
    return "/";
}

}  // namespace

std::filesystem::path configHome() {
    // Relative values are invalid by the base-directory rules and are ignored.
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && config[0] == '/') {
        return config;
    }
    return homeFolder() / ".config";
}

}  // namespace joyvane::linux_desktop
