#include "platform/linux/desktop/file_defaults_store.h"

#include <gtest/gtest.h>

#include "platform/linux/desktop/atomic_file.h"
#include "temp_folder.h"

namespace joyvane::linux_desktop {
namespace {

using testing::TempFolder;

TEST(FileDefaultsStore, KeepsTheFlagAcrossRestarts) {
    TempFolder config;
    auto file = config.path() / "joyvane" / "defaults";
    EXPECT_FALSE(FileDefaultsStore(file).boolForKey("hasSeenOnboarding"));

    FileDefaultsStore(file).setBool("hasSeenOnboarding", true);
    EXPECT_TRUE(FileDefaultsStore(file).boolForKey("hasSeenOnboarding"));
    EXPECT_FALSE(FileDefaultsStore(file).boolForKey("somethingElse"));

    FileDefaultsStore store(file);
    store.setBool("other", true);
    store.setBool("hasSeenOnboarding", false);
    EXPECT_FALSE(FileDefaultsStore(file).boolForKey("hasSeenOnboarding"));
    EXPECT_TRUE(FileDefaultsStore(file).boolForKey("other"));
}

TEST(FileDefaultsStore, UnreadableOrMalformedReadsAsFalse) {
    TempFolder config;
    auto file = config.write("defaults", "hasSeenOnboarding=yes\nbroken\n=true\nother=true");
    FileDefaultsStore store(file);
    EXPECT_FALSE(store.boolForKey("hasSeenOnboarding"));
    EXPECT_TRUE(store.boolForKey("other"));

    // Writing mends the file and keeps the good values.
    store.setBool("hasSeenOnboarding", true);
    EXPECT_EQ(readWholeFile(file), "hasSeenOnboarding=true\nother=true\n");

    // A folder where the file should be: reads false, writes fail quietly.
    std::filesystem::create_directories(config.path() / "folder");
    FileDefaultsStore blocked(config.path() / "folder");
    blocked.setBool("hasSeenOnboarding", true);
    EXPECT_FALSE(blocked.boolForKey("hasSeenOnboarding"));

    // Keys that could not be read back are not written.
    store.setBool("a=b", true);
    store.setBool("line\nbreak", true);
    EXPECT_EQ(readWholeFile(file), "hasSeenOnboarding=true\nother=true\n");
}

TEST(FileDefaultsStore, DefaultsToTheConfigFolder) {
    TempFolder config;
    ::setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
    EXPECT_EQ(FileDefaultsStore().file(), config.path() / "joyvane" / "defaults");
}

}  // namespace
}  // namespace joyvane::linux_desktop
