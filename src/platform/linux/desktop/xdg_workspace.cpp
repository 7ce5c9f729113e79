#include "platform/linux/desktop/xdg_workspace.h"

#include <cstdio>
#include <system_error>
#include <thread>

#include "platform/linux/desktop/atomic_file.h"
#include "platform/linux/desktop/detached_process.h"
#include "platform/linux/desktop/file_manager.h"
#include "platform/linux/desktop/program_path.h"
#include "platform/linux/desktop/xdg_paths.h"

namespace joyvane::linux_desktop {

namespace fs = std::filesystem;

namespace {

// Whether a desktop entry's main group says "Hidden=true": the user switched the entry off
// (an entry the desktop's own settings edited, say).
bool isHidden(const std::string& entry) {
    bool mainGroup = false;
    std::size_t start = 0;
    while (start < entry.size()) {
        std::size_t end = entry.find('\n', start);
        std::string_view line(entry.data() + start,
                              (end == std::string::npos ? entry.size() : end) - start);
        start = end == std::string::npos ? entry.size() : end + 1;
        if (line.starts_with('[')) {
            mainGroup = line == "[Desktop Entry]";
        } else if (mainGroup && line == "Hidden=true") {
            return true;
        }
    }
    return false;
}

// Removes the entry; an entry that is not there (nor its folder) counts as removed.
bool removeEntry(const fs::path& entry) {
    std::error_code error;
    fs::remove(entry, error);
    return !error || error == std::errc::no_such_file_or_directory ||
           error == std::errc::not_a_directory;
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
        options_.executable = programPath();
    }
    // A write of the entry cut short (power loss, a kill) leaves its temporary file behind.
    removeLeftoverTemporaries(autostartEntryPath());
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

bool XdgWorkspace::setLaunchAtLogin(bool enabled) {
    const fs::path entry = autostartEntryPath();
    bool done = enabled ? writeFileAtomically(entry, autostartEntry(options_.executable))
                        : removeEntry(entry);
    if (!done) {
        std::fprintf(stderr, "joyvane: cannot %s the autostart entry %s.\n",
                     enabled ? "write" : "remove", entry.c_str());
    }
    return done;
}

bool XdgWorkspace::isLaunchAtLoginRegistered() const {
    auto entry = readWholeFile(autostartEntryPath());
    return entry && !isHidden(*entry);
}

}  // namespace joyvane::linux_desktop
