#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/linux/desktop/file_defaults_store.h"
#include "platform/linux/desktop/program_path.h"
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

TEST(AutostartFailures, AnEntryThatCannotBeWrittenIsReportedAndReadsAsOff) {
    TempFolder config;
    config.write("autostart", "a file where the folder should be");
    auto workspace = workspaceIn(config.path());
    EXPECT_FALSE(workspace.setLaunchAtLogin(true));
    EXPECT_FALSE(workspace.isLaunchAtLoginRegistered());
    EXPECT_TRUE(workspace.setLaunchAtLogin(false)) << "nothing to remove is not a failure";
}

TEST(AutostartFailures, AFlagThatCannotBeStoredIsReported) {
    TempFolder config;
    config.write("joyvane", "a file where the folder should be");
    FileDefaultsStore store(config.path() / "joyvane" / "defaults");
    std::string told;
    store.onWriteFailure([&told](const std::string& key) { told = key; });
    ::testing::internal::CaptureStderr();
    store.setBool("hasSeenOnboarding", true);
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("cannot store hasSeenOnboarding"),
              std::string::npos);
    EXPECT_EQ(told, "hasSeenOnboarding");
    EXPECT_FALSE(store.boolForKey("hasSeenOnboarding"));
}

TEST(AutostartFailures, AnEntryTheUserHidReadsAsOff) {
    struct Case {
        const char* entry;
        bool registered;
    };
    const Case cases[] = {
        {"[Desktop Entry]\nExec=joyvane\n", true},
        {"[Desktop Entry]\nExec=joyvane\nHidden=true\n", false},
        {"[Desktop Entry]\nHidden=true", false},
        {"[Desktop Entry]\nHidden=false\n", true},
        {"[Desktop Entry]\nExec=joyvane\n[Desktop Action x]\nHidden=true\n", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        TempFolder config;
        config.write("autostart/joyvane.desktop", c.entry);
        EXPECT_EQ(workspaceIn(config.path()).isLaunchAtLoginRegistered(), c.registered);
    }
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
