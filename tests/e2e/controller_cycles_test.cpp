// A controller plugged in and out a thousand times through the SDL backend, with the engine
// posting to a real X server: nothing is left behind (file descriptors here, memory under
// LeakSanitizer in the sanitizer build), and the controller plugged in last has exactly one set
// of handlers, so one press of Cross is one click.
#include <dirent.h>
#include <gtest/gtest.h>

#include "composed_engine.h"
#include "pad_driver.h"
#include "support/private_desktop.h"
// Xlib's macros clash with Qt's names: after every Qt header.
#include "support/x_test_window.h"

namespace joyvane::testing {
namespace {

int openFileDescriptors() {
    int count = 0;
    if (DIR* folder = opendir("/proc/self/fd")) {
        while (readdir(folder) != nullptr) {
            ++count;
        }
        closedir(folder);
    }
    return count;
}

TEST(ControllerCycles, AThousandConnectsAndDisconnectsLeaveOneSetOfHandlersAndNoLeaks) {
    PrivateDesktop desktop({.windowManager = false, .tray = false, .accessibility = false});
    JOYVANE_REQUIRE_PRIVATE_DESKTOP(desktop);
    ensureApplication();
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
    {
        std::string error;
        auto engine = ComposedEngine::create(desktop.display(), false, &error);
        ASSERT_TRUE(engine) << error;
        ControllerManager& manager = *engine->manager;

        auto cycle = [&] {
            VirtualPad pad = attachVirtualPad(0x054C, 0x0CE6, true);
            ASSERT_GE(pad.deviceIndex, 0) << SDL_GetError();
            PadDriver driver(*engine, pad);
            driver.settle();
            ASSERT_TRUE(manager.isConnected.get());
            pad.detach();
            driver.settle();
            ASSERT_FALSE(manager.isConnected.get());
        };
        // The first cycles bring SDL's and Qt's one-time allocations; count from there.
        for (int i = 0; i < 10; ++i) {
            cycle();
        }
        int descriptors = openFileDescriptors();
        for (int i = 0; i < 1000; ++i) {
            cycle();
            if (HasFatalFailure()) {
                FAIL() << "at cycle " << i;
            }
        }
        EXPECT_EQ(openFileDescriptors(), descriptors);
        EXPECT_TRUE(engine->controllers->controllers().empty());

        // The last controller: one press of Cross is one click, not one per earlier controller.
        TestWindow window(desktop.display());
        ASSERT_TRUE(window.ok());
        VirtualPad pad = attachVirtualPad(0x054C, 0x0CE6, true);
        PadDriver driver(*engine, pad);
        driver.settle();
        ASSERT_TRUE(manager.isConnected.get());
        ASSERT_TRUE(manager.isEnabled().get());
        driver.press(SDL_CONTROLLER_BUTTON_A);
        driver.run(0.1);
        window.collect(0, 2, 2.0);
        window.collect(0, 3, 0.2);  // and nothing more arrives
        EXPECT_EQ(window.buttons,
                  (std::vector<std::pair<unsigned int, bool>>{{1, true}, {1, false}}));
        EXPECT_EQ(engine->controllers->controllers().size(), 1u);
        pad.detach();
        driver.settle();
    }
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

}  // namespace
}  // namespace joyvane::testing
