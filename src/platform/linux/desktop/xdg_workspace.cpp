#include "platform/linux/desktop/xdg_workspace.h"

#include <system_error>
#include <thread>

#include "platform/linux/desktop/atomic_file.h"
#include "platform/linux/desktop/detached_process.h"
#include "platform/linux/desktop/file_manager.h"
#include "platform/linux/desktop/xdg_paths.h"

namespace joyvane::linux_desktop {

namespace fs = std::filesystem;

namespace {

fs::path ownExecutable() {
    std::error_code error;
    fs::path self = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path("joyvane") : self;
}

}  // namespace

std::string execArgument(const std::string& argument) {
    constexpr std::string_view reserved = " \t\n\"'\\><~|&;$*?#()`";
    std::string quoted;
    bool needsQuotes = argument.empty() || argument.find_first_of(reserved) != std::string::npos;
    if (needsQuotes) {
        quoted += '"';
    }
    for (char c : argument) {
        if (needsQuotes && (c == '"' || c == '`' || c == '$' || c == '\\')) {
            quoted += '\\';
        }
        if (c == '%') {
            quoted += '%';  // a field code otherwise
        }
        quoted += c;
    }
    if (needsQuotes) {
        quoted += '"';
    }
    // The entry's own string escapes come on top of the Exec quoting.
    std::string value;
    for (char c : quoted) {
        if (c == '\\') {
            value += "\\\\";
        } else if (c == '\n') {
            value += "\\n";
        } else {
            value += c;
        }
    }
    return value;
}

std::string autostartEntry(const fs::path& executable) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Joyvane\n"
           "Comment=Drive the desktop with a game controller\n"
           "Exec=" +
           execArgument(executable.string()) +
           "\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

XdgWorkspace::XdgWorkspace() : XdgWorkspace(Options{}) {}

XdgWorkspace::XdgWorkspace(Options options) : options_(std::move(options)) {
    if (options_.executable.empty()) {
        options_.executable = ownExecutable();
    }
}

void XdgWorkspace::openURL(const std::string& url) {
    spawnDetached({options_.opener, url});
}

void XdgWorkspace::revealFile(const std::string& path) {
    std::error_code error;
    fs::path file = fs::absolute(path, error);
    if (error) {
        return;
    }
    std::thread([file, opener = options_.opener, ask = options_.useFileManagerService] {
        if (ask && showItemInFileManager(file)) {
            return;
        }
        spawnDetached({opener, file.parent_path().string()});
    }).detach();
}

fs::path XdgWorkspace::autostartEntryPath() const {
    fs::path config = options_.configHome.empty() ? configHome() : options_.configHome;
    return config / "autostart" / "joyvane.desktop";
}

void XdgWorkspace::setLaunchAtLogin(bool enabled) {
    if (enabled) {
        writeFileAtomically(autostartEntryPath(), autostartEntry(options_.executable));
    } else {
        std::error_code error;
        fs::remove(autostartEntryPath(), error);
    }
}

bool XdgWorkspace::isLaunchAtLoginRegistered() const {
    std::error_code error;
    return fs::exists(autostartEntryPath(), error);
}

}  // namespace joyvane::linux_desktop
