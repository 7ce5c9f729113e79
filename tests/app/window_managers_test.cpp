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

TEST_F(WindowManagersTest, EachWindowHasItsTitleSizeAndLevel) {
    managers.advanced.open(engine);
    managers.remap.open({}, {}, {});
    managers.onboarding.show();
    managers.hint.show();
    struct Expect {
        ManagedWindow* window;
        const char* title;
        QSize size;
        bool onTop;
        bool minimize;
    };
    const Expect expected[] = {
        {managers.advanced.window(), "Advanced", {480, 480}, true, true},
        {managers.remap.window(), "Button Mapping", {440, 540}, false, true},
        {managers.onboarding.window(), "Joyvane", {480, 580}, true, false},
        {managers.hint.window(), "Joyvane", {380, 380}, true, false},
    };
    for (const auto& e : expected) {
        ASSERT_NE(e.window, nullptr);
        SCOPED_TRACE(e.title);
        EXPECT_EQ(e.window->windowTitle(), e.title);
        EXPECT_FALSE(e.window->windowIcon().isNull());
        EXPECT_EQ(e.window->size(), e.size);
        EXPECT_EQ(e.window->minimumSize(), e.size);  // not resizable
        EXPECT_EQ(e.window->maximumSize(), e.size);
        EXPECT_EQ(e.window->windowFlags().testFlag(Qt::WindowStaysOnTopHint), e.onTop);
        EXPECT_EQ(e.window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint), e.minimize);
        EXPECT_TRUE(e.window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        EXPECT_TRUE(e.window->isVisible());
    }
}

TEST_F(WindowManagersTest, HebrewTitles) {
    languages.setLanguages({"he-IL"});
    managers.advanced.open(engine);
    managers.remap.open({}, {}, {});
    EXPECT_EQ(managers.advanced.window()->windowTitle(), QString::fromUtf8("מתקדם"));
    EXPECT_EQ(managers.remap.window()->windowTitle(), QString::fromUtf8("מיפוי כפתורים"));
    EXPECT_EQ(managers.remap.window()->layoutDirection(), Qt::RightToLeft);
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
