#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/linux/desktop/atomic_file.h"
#include "platform/linux/desktop/xdg_paths.h"
#include "platform/linux/desktop/xdg_workspace.h"
#include "temp_folder.h"

namespace joyvane::linux_desktop {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

XdgWorkspace workspaceIn(const fs::path& config,
                         const fs::path& executable = "/opt/joyvane/bin/joyvane") {
    XdgWorkspace::Options options;
    options.configHome = config;
    options.executable = executable;
    return XdgWorkspace(options);
}

ino_t inodeOf(const fs::path& file) {
    struct stat info {};
    ::stat(file.c_str(), &info);
    return info.st_ino;
}

TEST(Autostart, WritesRemovesAndIsSeenByTheNextStart) {
    TempFolder config;
    auto entry = config.path() / "autostart" / "joyvane.desktop";
    {
        auto workspace = workspaceIn(config.path());
        EXPECT_FALSE(workspace.isLaunchAtLoginRegistered());
        workspace.setLaunchAtLogin(true);
        EXPECT_TRUE(workspace.isLaunchAtLoginRegistered());
        EXPECT_EQ(workspace.autostartEntryPath(), entry);
    }
    auto text = readWholeFile(entry);
    ASSERT_TRUE(text);
    EXPECT_TRUE(text->starts_with("[Desktop Entry]\n"));
    EXPECT_NE(text->find("\nType=Application\n"), std::string::npos);
    EXPECT_NE(text->find("\nExec=/opt/joyvane/bin/joyvane\n"), std::string::npos);

    auto nextStart = workspaceIn(config.path());
    EXPECT_TRUE(nextStart.isLaunchAtLoginRegistered());
    nextStart.setLaunchAtLogin(false);
    EXPECT_FALSE(nextStart.isLaunchAtLoginRegistered());
    EXPECT_FALSE(fs::exists(entry));
    nextStart.setLaunchAtLogin(false);  // removing twice is harmless
    EXPECT_FALSE(workspaceIn(config.path()).isLaunchAtLoginRegistered());
}

TEST(Autostart, ReplacesTheEntryAtomically) {
    TempFolder config;
    auto workspace = workspaceIn(config.path());
    auto entry = config.write("autostart/joyvane.desktop", "[Desktop Entry]\nExec=old\n");
    auto before = inodeOf(entry);

    workspace.setLaunchAtLogin(true);

    // A new file renamed into place, never the old one rewritten in place, and no leftovers.
    EXPECT_NE(inodeOf(entry), before);
    EXPECT_NE(readWholeFile(entry)->find("Exec=/opt/joyvane/bin/joyvane"), std::string::npos);
    std::vector<fs::path> files;
    for (const auto& item : fs::directory_iterator(config.path() / "autostart")) {
        files.push_back(item.path().filename());
    }
    EXPECT_EQ(files, std::vector<fs::path>{"joyvane.desktop"});
}

TEST(Autostart, FollowsXdgConfigHome) {
    TempFolder home;
    std::string saved = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
    ::setenv("XDG_CONFIG_HOME", (home.path() / "cfg").c_str(), 1);
    EXPECT_EQ(configHome(), home.path() / "cfg");
    XdgWorkspace workspace;
    workspace.setLaunchAtLogin(true);
    EXPECT_TRUE(fs::exists(home.path() / "cfg/autostart/joyvane.desktop"));

    ::setenv("XDG_CONFIG_HOME", "relative/cfg", 1);  // not absolute: ignored
    ::setenv("HOME", home.path().c_str(), 1);
    EXPECT_EQ(configHome(), home.path() / ".config");
    saved.empty() ? ::unsetenv("XDG_CONFIG_HOME") : ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
}

TEST(Autostart, QuotesTheExecutableForTheExecLine) {
    EXPECT_EQ(execArgument("/usr/bin/joyvane"), "/usr/bin/joyvane");
    EXPECT_EQ(execArgument("/home/a b/joyvane"), "\"/home/a b/joyvane\"");
    // Inside quotes $ and " are escaped with a backslash, which the entry escapes again.
    EXPECT_EQ(execArgument("/x/$HOME\"q"), "\"/x/\\\\$HOME\\\\\"q\"");
    EXPECT_EQ(execArgument("/x/100%"), "/x/100%%");
}

}  // namespace
}  // namespace joyvane::linux_desktop
