#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/linux/desktop/atomic_file.h"
#include "platform/linux/desktop/program_path.h"
#include "platform/linux/desktop/xdg_paths.h"
#include "platform/linux/desktop/xdg_workspace.h"
#include "temp_folder.h"

namespace joyvane::linux_desktop {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

XdgWorkspace workspaceIn(const fs::path& config) {
    XdgWorkspace::Options options;
    options.configHome = config;
    options.executable = "/opt/joyvane/bin/joyvane";
    return XdgWorkspace(options);
}

ino_t inodeOf(const fs::path& file) {
    struct stat info {};
    ::stat(file.c_str(), &info);
    return info.st_ino;
}

TEST(Autostart, WrittenAtomicallyRemovedSeenByTheNextStartAndOffWhenUnwritableOrHidden) {
    TempFolder config;
    auto entry = config.path() / "autostart" / "joyvane.desktop";
    auto workspace = workspaceIn(config.path());
    EXPECT_FALSE(workspace.isLaunchAtLoginRegistered());
    EXPECT_TRUE(workspace.setLaunchAtLogin(true));
    auto text = readWholeFile(entry);
    ASSERT_TRUE(text);
    EXPECT_TRUE(text->starts_with("[Desktop Entry]\n"));
    EXPECT_NE(text->find("\nType=Application\n"), std::string::npos);
    EXPECT_NE(text->find("\nExec=/opt/joyvane/bin/joyvane\n"), std::string::npos);

    // A new file renamed into place, never the old one rewritten in place, and no leftovers.
    auto before = inodeOf(entry);
    workspace.setLaunchAtLogin(true);
    EXPECT_NE(inodeOf(entry), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(entry.parent_path()), {}), 1);

    auto nextStart = workspaceIn(config.path());
    EXPECT_TRUE(nextStart.isLaunchAtLoginRegistered());
    EXPECT_TRUE(nextStart.setLaunchAtLogin(false));
    EXPECT_FALSE(fs::exists(entry));
    EXPECT_TRUE(nextStart.setLaunchAtLogin(false)) << "nothing to remove is not a failure";
    EXPECT_FALSE(workspaceIn(config.path()).isLaunchAtLoginRegistered());

    // An entry that cannot be written, or that the user hid, reads as off.
    TempFolder blocked;
    blocked.write("autostart", "a file where the folder should be");
    EXPECT_FALSE(workspaceIn(blocked.path()).setLaunchAtLogin(true));
    EXPECT_FALSE(workspaceIn(blocked.path()).isLaunchAtLoginRegistered());

    const std::pair<const char*, bool> entries[] = {
        {"[Desktop Entry]\nExec=joyvane\nHidden=true\n", false},
        {"[Desktop Entry]\nHidden=true", false},
        {"[Desktop Entry]\nHidden=false\n", true},
        {"[Desktop Entry]\nExec=joyvane\n[Desktop Action x]\nHidden=true\n", true},
    };
    for (const auto& [entry, registered] : entries) {
        config.write("autostart/joyvane.desktop", entry);
        EXPECT_EQ(workspaceIn(config.path()).isLaunchAtLoginRegistered(), registered) << entry;
    }
}

TEST(Autostart, FollowsXdgConfigHomeAndQuotesTheExecutable) {
    TempFolder home;
    ::setenv("XDG_CONFIG_HOME", (home.path() / "cfg").c_str(), 1);
    XdgWorkspace().setLaunchAtLogin(true);
    EXPECT_TRUE(fs::exists(home.path() / "cfg/autostart/joyvane.desktop"));
    ::setenv("XDG_CONFIG_HOME", "relative/cfg", 1);  // not absolute: ignored
    ::setenv("HOME", home.path().c_str(), 1);
    EXPECT_EQ(configHome(), home.path() / ".config");
    ::unsetenv("XDG_CONFIG_HOME");

    EXPECT_EQ(execArgument("/usr/bin/joyvane"), "/usr/bin/joyvane");
    EXPECT_EQ(execArgument("/home/a b/joyvane"), "\"/home/a b/joyvane\"");
    // Inside quotes $ and " are escaped with a backslash, which the entry escapes again.
    EXPECT_EQ(execArgument("/x/$HOME\"q"), "\"/x/\\\\$HOME\\\\\"q\"");
    EXPECT_EQ(execArgument("/x/100%"), "/x/100%%");
}

TEST(ProgramPath, TheInstalledProgramOrTheRunningOneWithoutTheDeletedMark) {
    TempFolder folder;
    const fs::path installed = folder.write("bin/joyvane", "");
    const fs::path replaced = folder.path() / "replaced";
    fs::create_symlink("/home/me/build/joyvane (deleted)", replaced);
    const fs::path running = folder.path() / "running";
    fs::create_symlink("/home/me/build/joyvane", running);

    EXPECT_EQ(programPath(installed, replaced), installed);
    EXPECT_EQ(programPath(folder.path() / "bin/absent", replaced), "/home/me/build/joyvane");
    EXPECT_EQ(programPath({}, running), "/home/me/build/joyvane");
    EXPECT_EQ(programPath({}, folder.path() / "no-link"), "joyvane");
}

}  // namespace
}  // namespace joyvane::linux_desktop
