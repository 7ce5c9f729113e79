#pragma once

#include <filesystem>
#include <string>

#include "platform/workspace.h"

namespace joyvane::linux_desktop {

// Workspace services of a freedesktop.org desktop.
//   openURL             xdg-open, started detached;
//   revealFile          org.freedesktop.FileManager1.ShowItems on the session bus, from a
//                       background thread; when no file manager answers, the folder that holds
//                       the file is opened instead;
//   setLaunchAtLogin    writes or removes the XDG autostart entry of the program;
//   isLaunchAtLoginRegistered  whether that entry exists.
class XdgWorkspace final : public Workspace {
  public:
    struct Options {
        std::string opener = "xdg-open";
        // The program the autostart entry starts; empty means this process's executable.
        std::filesystem::path executable;
        // Where the autostart folder lives; empty means $XDG_CONFIG_HOME (or ~/.config), looked
        // up at each use.
        std::filesystem::path configHome;
        // Ask the file manager over D-Bus before falling back to opening the folder.
        bool useFileManagerService = true;
    };

    XdgWorkspace();
    explicit XdgWorkspace(Options options);

    void openURL(const std::string& url) override;
    void revealFile(const std::string& path) override;
    // False, with one line on standard error, when the entry cannot be written or removed.
    bool setLaunchAtLogin(bool enabled) override;
    bool isLaunchAtLoginRegistered() const override;

    std::filesystem::path autostartEntryPath() const;

  private:
    Options options_;
};

// The text of the program's autostart entry.
std::string autostartEntry(const std::filesystem::path& executable);

// A path as one argument of a desktop entry's Exec line, quoted and escaped where needed.
std::string execArgument(const std::string& argument);

}  // namespace joyvane::linux_desktop
