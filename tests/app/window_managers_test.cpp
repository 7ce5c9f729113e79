#include "app/window_managers.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>

#include "engine/controller_manager.h"
#include "keyboard/ps_keyboard_controller.h"
#include "output/mouse_controller.h"
#include "platform/sim/sim_platform.h"

namespace joyvane::app {
namespace {

class WindowManagersTest : public ::testing::Test {
  protected:
    sim::SimPlatform sim;
    MouseController mouse{sim.poster, sim.screens};
    PSKeyboardController keyboard{sim.scheduler, sim.poster, sim.accessibility, sim.panels};
    ControllerManager engine{sim.platform(), mouse, keyboard};
    FixedLanguages& languages = sim.languages;
    sim::SimDefaultsStore& defaults = sim.defaults;
    WindowManagers managers{languages, defaults};

    void TearDown() override {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            w->close();
        }
        QApplication::processEvents();
    }
};

// Every window carries the program's icon, and the untitled ones its name, for the task bar.
TEST_F(WindowManagersTest, EveryWindowIsNamedAndHasTheIcon) {
    managers.advanced.open(engine);
    managers.remap.open({}, {}, {});
    managers.onboarding.show();
    managers.hint.show();
    for (ManagedWindow* window : {managers.advanced.window(), managers.remap.window(),
                                  managers.onboarding.window(), managers.hint.window()}) {
        ASSERT_NE(window, nullptr);
        EXPECT_FALSE(window->windowTitle().isEmpty());
        EXPECT_FALSE(window->windowIcon().isNull());
    }
    EXPECT_EQ(managers.hint.window()->windowTitle(), "Joyvane");
}

TEST_F(WindowManagersTest, ASecondRequestOnlyBringsTheWindowForward) {
    int built = 0;
    ButtonMap firstMap;
    managers.remap.setContentFactory(
        [&](const ButtonMap& map, RemapWindowManager::SaveMap, std::function<void()>, CloseWindow) {
            ++built;
            firstMap = map;
            return new QLabel(QStringLiteral("remap"));
        });
    ButtonMap a{{ButtonID::cross, ButtonAction::escape}};
    ButtonMap b{{ButtonID::cross, ButtonAction::enter}};
    managers.remap.open(a, {}, {});
    ManagedWindow* first = managers.remap.window();
    managers.remap.open(b, {}, {});
    EXPECT_EQ(managers.remap.window(), first);
    EXPECT_EQ(built, 1);
    EXPECT_EQ(firstMap, a);  // the open window is not given the new map
}

TEST_F(WindowManagersTest, AfterClosingTheNextRequestBuildsAFreshWindow) {
    int built = 0;
    managers.advanced.setContentFactory([&](ControllerManager&, CloseWindow) {
        ++built;
        return new QLabel(QStringLiteral("advanced"));
    });
    managers.advanced.open(engine);
    managers.advanced.window()->close();
    EXPECT_EQ(managers.advanced.window(), nullptr);
    managers.advanced.open(engine);
    EXPECT_EQ(built, 2);
    EXPECT_NE(managers.advanced.window(), nullptr);
}

TEST_F(WindowManagersTest, TheViewCanCloseItsWindowThroughTheManager) {
    CloseWindow close;
    managers.hint.setContentFactory([&](bool, CloseWindow c) {
        close = c;
        return new QLabel(QStringLiteral("hint"));
    });
    managers.hint.show();
    ASSERT_TRUE(close);
    close();
    EXPECT_EQ(managers.hint.window(), nullptr);
    close();  // a second call, with the window gone, does nothing
}

TEST_F(WindowManagersTest, ClosingOnboardingAnyWayMarksItSeen) {
    managers.onboarding.show();
    EXPECT_FALSE(defaults.boolForKey("hasSeenOnboarding"));
    managers.onboarding.window()->close();  // the close button
    EXPECT_TRUE(defaults.boolForKey("hasSeenOnboarding"));
    EXPECT_EQ(managers.onboarding.window(), nullptr);
}

}  // namespace
}  // namespace joyvane::app
