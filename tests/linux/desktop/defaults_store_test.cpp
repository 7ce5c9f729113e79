#include "platform/linux/desktop/file_defaults_store.h"

#include <gtest/gtest.h>

#include "platform/linux/desktop/atomic_file.h"
#include "temp_folder.h"

namespace joyvane::linux_desktop {
namespace {

using testing::TempFolder;

TEST(FileDefaultsStore, KeepsTheFlagAcrossRestartsMendsMalformedLinesAndReportsAFailedWrite) {
    TempFolder config;
    auto file = config.path() / "joyvane" / "defaults";
    EXPECT_FALSE(FileDefaultsStore(file).boolForKey("hasSeenOnboarding"));
    FileDefaultsStore(file).setBool("hasSeenOnboarding", true);
    FileDefaultsStore store(file);
    EXPECT_TRUE(store.boolForKey("hasSeenOnboarding"));
    store.setBool("hasSeenOnboarding", false);
    EXPECT_FALSE(FileDefaultsStore(file).boolForKey("hasSeenOnboarding"));

    // Malformed lines read as false, and writing mends the file and keeps the other keys.
    config.write(file.lexically_relative(config.path()),
                 "hasSeenOnboarding=yes\nbroken\n=true\nother=true");
    store = FileDefaultsStore(file);
    EXPECT_FALSE(store.boolForKey("hasSeenOnboarding"));
    EXPECT_TRUE(store.boolForKey("other"));
    store.setBool("hasSeenOnboarding", true);
    // Keys that could not be read back are not written.
    store.setBool("a=b", true);
    store.setBool("line\nbreak", true);
    EXPECT_EQ(readWholeFile(file), "hasSeenOnboarding=true\nother=true\n");

    // A flag that cannot be stored is reported.
    std::filesystem::remove_all(file.parent_path());
    config.write("joyvane", "a file where the folder should be");
    store = FileDefaultsStore(file);
    std::string told;
    store.onWriteFailure([&told](const std::string& key) { told = key; });
    ::testing::internal::CaptureStderr();
    store.setBool("hasSeenOnboarding", true);
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("cannot store hasSeenOnboarding"),
              std::string::npos);
    EXPECT_EQ(told, "hasSeenOnboarding");
    EXPECT_FALSE(store.boolForKey("hasSeenOnboarding"));
}

}  // namespace
}  // namespace joyvane::linux_desktop
