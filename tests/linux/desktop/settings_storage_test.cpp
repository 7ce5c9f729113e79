#include "platform/linux/desktop/settings_storage.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <functional>

#include "engine/controller_manager.h"
#include "engine/settings_document.h"
#include "keyboard/ps_keyboard_controller.h"
#include "output/mouse_controller.h"
#include "platform/linux/desktop/atomic_file.h"
#include "platform/sim/sim_platform.h"
#include "temp_folder.h"

namespace joyvane::linux_desktop {
namespace {

using testing::TempFolder;

mode_t modeOf(const std::filesystem::path& file) {
    struct stat info {};
    ::stat(file.c_str(), &info);
    return info.st_mode & 0777;
}

// The engine on the sim platform with its settings kept in a file of a private folder.
class SettingsStorageTest : public ::testing::Test {
  protected:
    TempFolder folder;
    std::filesystem::path file = folder.path() / "joyvane" / "settings.json";
    std::filesystem::path bad = folder.path() / "joyvane" / "settings.json.bad";
    sim::SimPlatform sim;
    MouseController mouse{sim.poster, sim.screens};
    PSKeyboardController keyboard{sim.scheduler, sim.poster, sim.accessibility, sim.panels};
    std::optional<ControllerManager> engine;
    std::optional<SettingsStorage> storage;

    void start() {
        storage.reset();
        engine.reset();
        engine.emplace(sim.platform(), mouse, keyboard);
        storage.emplace(file, *engine, sim.scheduler);
    }
};

TEST_F(SettingsStorageTest, SettingsSurviveARestartTheFileIsPrivateAndAFailedWriteChangesNothing) {
    start();
    EXPECT_FALSE(std::filesystem::exists(file));  // no change, no file
    engine->sensitivity = 20;
    engine->comboMap = ComboMap{};
    storage->flush();
    EXPECT_EQ(modeOf(file), 0600u);

    start();
    EXPECT_EQ(engine->sensitivity.get(), 20);
    EXPECT_TRUE(engine->comboMap->empty());
    EXPECT_FALSE(std::filesystem::exists(bad));

    // A failed write (room for no more than a few bytes) leaves the previous file and the
    // setting in use.
    std::string before = readWholeFile(file).value();
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = old;
    tiny.rlim_cur = 16;
    ::setrlimit(RLIMIT_FSIZE, &tiny);
    engine->sensitivity = 5;
    storage->flush();
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(readWholeFile(file), before);
    EXPECT_EQ(engine->sensitivity.get(), 5);
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(file.parent_path()), {}), 1);
}

// A bad file: the valid entries apply, the original is kept as .bad and the file is rewritten
// with what is in use. Which documents are bad is the settings document's table; here, one of
// them and the files that are not read at all.
TEST_F(SettingsStorageTest, ABadFileIsKeptAsideAndRewrittenWithWhatCouldBeUsed) {
    struct Case {
        const char* name;
        std::function<void(const std::filesystem::path&)> plant;
        double sensitivity;  // after start
    };
    const Case cases[] = {
        {"wrong type",
         [](const auto& at) { std::ofstream(at) << R"({"sensitivity": 20, "deadzone": "low"})"; },
         20},
        {"not a regular file", [](const auto& at) { ::mkfifo(at.c_str(), 0600); }, 10},
        {"too large",
         [](const auto& at) {
             std::ofstream(at) << R"({"sensitivity": 20})";
             std::filesystem::resize_file(at, SettingsStorage::kMaxFileBytes + 1);
         },
         10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(file.parent_path());
        std::filesystem::create_directories(file.parent_path());
        c.plant(file);
        auto original = std::filesystem::status(file).type();
        start();
        EXPECT_EQ(engine->sensitivity.get(), c.sensitivity);
        EXPECT_EQ(engine->deadzone.get(), SettingsRecord().deadzone);
        EXPECT_EQ(std::filesystem::status(bad).type(), original);
        storage->flush();
        EXPECT_EQ(decodeSettings(readWholeFile(file).value_or("")).record, recordOf(*engine));
    }
}

TEST(AtomicFile, KeepsTheUmaskFollowsLinksAndClearsLeftovers) {
    TempFolder folder;
    auto real = folder.write("dotfiles/entry", "old");
    auto link = folder.path() / "entry";
    std::filesystem::create_symlink(real, link);
    auto leftover = folder.write("dotfiles/entry.tmp-abc123", "half");

    mode_t previous = ::umask(077);
    EXPECT_TRUE(writeFileAtomically(link, "new"));
    ::umask(previous);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readWholeFile(real), "new");
    EXPECT_EQ(modeOf(real), 0600u);

    removeLeftoverTemporaries(link);
    EXPECT_FALSE(std::filesystem::exists(leftover));
    EXPECT_TRUE(std::filesystem::exists(real));
}

}  // namespace
}  // namespace joyvane::linux_desktop
