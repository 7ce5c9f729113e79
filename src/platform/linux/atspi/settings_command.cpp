#include "platform/linux/atspi/settings_command.h"

#include <unistd.h>

#include <cstdlib>
#include <sstream>

namespace joyvane::atspi {

namespace {

struct DesktopSettings {
    std::vector<std::string> desktops;
    std::vector<std::string> command;
};

const std::vector<DesktopSettings>& knownSettings() {
    static const std::vector<DesktopSettings> known = {
        {{"GNOME", "Unity", "Budgie", "Pantheon"}, {"gnome-control-center", "universal-access"}},
        {{"KDE"}, {"systemsettings", "kcm_access"}},
        {{"XFCE"}, {"xfce4-accessibility-settings"}},
        {{"MATE"}, {"mate-at-properties"}},
    };
    return known;
}

}  // namespace

std::optional<std::vector<std::string>> accessibilitySettingsCommand(
    const std::string& currentDesktop, const std::function<bool(const std::string&)>& installed) {
    std::istringstream names(currentDesktop);
    for (std::string name; std::getline(names, name, ':');) {
        for (const auto& settings : knownSettings()) {
            for (const auto& desktop : settings.desktops) {
                if (desktop == name && installed(settings.command.front())) {
                    return settings.command;
                }
            }
        }
    }
    for (const auto& settings : knownSettings()) {
        if (installed(settings.command.front())) {
            return settings.command;
        }
    }
    return std::nullopt;
}

bool isInPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::istringstream folders(path ? path : "");
    for (std::string folder; std::getline(folders, folder, ':');) {
        if (!folder.empty() && ::access((folder + "/" + program).c_str(), X_OK) == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace joyvane::atspi
