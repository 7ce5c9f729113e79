// The windows inside the program's window managers: closing, saving and reopening as the user
// does it.
#include <QTest>

#include "app/managed_window.h"
#include "app/window_content.h"
#include "app/window_managers.h"
#include "ui/windows/action_picker.h"
#include "ui/windows/advanced_view.h"
#include "ui/windows/onboarding_view.h"
#include "ui/windows/remap_sheet.h"
#include "window_test_support.h"

namespace joyvane::ui {
namespace {

class WindowManagersTest : public test::WindowTest {
  protected:
    std::shared_ptr<sim::SimHidRegistry> hid = std::make_shared<sim::SimHidRegistry>();
    app::WindowManagers managers{sim.languages, sim.defaults};

    WindowManagersTest() {
        app::installWindowContent(managers,
                                  {sim.languages, sim.workspace, hid, sim.scheduler, sim.defaults});
    }
    ~WindowManagersTest() override {
        for (app::WindowManagerBase* m : std::initializer_list<app::WindowManagerBase*>{
                 &managers.advanced, &managers.remap, &managers.onboarding, &managers.hint}) {
            if (m->window()) {
                m->window()->close();
            }
        }
        settle();
    }

    void openRemap() {
        managers.remap.open(
            mgr.buttonMap, [this](const ButtonMap& map) { mgr.buttonMap = map; },
            [this] { mgr.buttonMap = ControllerManager::defaultButtonMap(); });
    }
    RemapSheet* remapSheet() {
        return managers.remap.window()
                   ? dynamic_cast<RemapSheet*>(managers.remap.window()->content())
                   : nullptr;
    }
};

TEST_F(WindowManagersTest, GetStartedClosesTheOnboardingWindow) {
    managers.onboarding.show();
    auto* view = dynamic_cast<OnboardingView*>(managers.onboarding.window()->content());
    ASSERT_NE(view, nullptr);
    view->setPage(3);
    view->getStartedButton()->click();
    settle();
    EXPECT_EQ(managers.onboarding.window(), nullptr);
    EXPECT_TRUE(sim.defaults.boolForKey("hasSeenOnboarding"));
}

TEST_F(WindowManagersTest, RemapTitleBarCloseDiscardsAndReopenStartsFresh) {
    ButtonMap before = mgr.buttonMap;
    openRemap();
    ASSERT_NE(remapSheet(), nullptr);
    remapSheet()->row(ButtonID::cross)->picker()->pick(ButtonAction::escape);
    managers.remap.window()->close();
    settle();
    EXPECT_EQ(managers.remap.window(), nullptr);
    EXPECT_EQ(mgr.buttonMap.get(), before);
    openRemap();
    ASSERT_NE(remapSheet(), nullptr);
    EXPECT_EQ(remapSheet()->row(ButtonID::cross)->picker()->action(),
              actionFor(before, ButtonID::cross));
}

TEST_F(WindowManagersTest, RemapSaveClosesTheWindowAndKeepsEditsWhileOpen) {
    openRemap();
    remapSheet()->row(ButtonID::square)->picker()->pick(ButtonAction::cmdPaste);
    // A second request brings the same window forward with its edits.
    openRemap();
    EXPECT_EQ(remapSheet()->row(ButtonID::square)->picker()->action(), ButtonAction::cmdPaste);
    remapSheet()->closeSymbolButton()->click();
    settle();
    EXPECT_EQ(managers.remap.window(), nullptr);
    EXPECT_EQ(actionFor(mgr.buttonMap.get(), ButtonID::square), ButtonAction::cmdPaste);
}

TEST_F(WindowManagersTest, AdvancedReopensOnTheGesturesTab) {
    managers.advanced.open(mgr);
    auto* view = dynamic_cast<AdvancedView*>(managers.advanced.window()->content());
    ASSERT_NE(view, nullptr);
    view->setTab(1);
    managers.advanced.open(mgr);
    EXPECT_EQ(view->tab(), 1);
    managers.advanced.window()->close();
    settle();
    managers.advanced.open(mgr);
    view = dynamic_cast<AdvancedView*>(managers.advanced.window()->content());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->tab(), 0);
}

}  // namespace
}  // namespace joyvane::ui
