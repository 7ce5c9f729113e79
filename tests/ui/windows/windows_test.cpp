// The windows inside the program's window managers, editing the engine on the sim platform as
// the user does it.
#include <QLabel>
#include <QTest>
#include <QToolButton>
#include <cmath>

#include "../ui_fixture.h"
#include "app/tray_label.h"
#include "app/window_content.h"
#include "app/window_managers.h"
#include "ui/keyboard_panel/ps_keyboard_view.h"
#include "ui/main_panel/panel_header.h"
#include "ui/main_panel/status_card.h"
#include "ui/main_panel/tiles_row.h"
#include "ui/main_panel/uinput_banner.h"
#include "ui/windows/action_picker.h"
#include "ui/windows/advanced_view.h"
#include "ui/windows/battery_widgets.h"
#include "ui/windows/bob_motion.h"
#include "ui/windows/combos_tab.h"
#include "ui/windows/controller_info_tab.h"
#include "ui/windows/menu_bar_hint_view.h"
#include "ui/windows/onboarding_view.h"
#include "ui/windows/remap_sheet.h"

namespace joyvane::ui::test {
namespace {

class WindowsTest : public UiTest {
  protected:
    app::WindowManagers managers{sim.languages, sim.defaults};
    const ButtonMap defaults = ControllerManager::defaultButtonMap();

    WindowsTest() {
        app::installWindowContent(managers,
                                  {sim.languages, sim.workspace, hid, sim.scheduler, sim.defaults});
        actions.openRemap = [this](const ButtonMap& map, auto save, auto reset) {
            managers.remap.open(map, std::move(save), std::move(reset));
        };
    }
    ~WindowsTest() override {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            window->close();  // the managers' windows delete themselves
        }
        settle();
    }
    template <class View>
    static View* shown(const app::WindowManagerBase& manager) {
        return manager.window() ? dynamic_cast<View*>(manager.window()->content()) : nullptr;
    }
    // As the program does it: through the panel's mapping tile.
    void openRemap() {
        if (!view) {
            startPanel();
        }
        view->tiles()->mappingTile()->click();
        settle();
    }
    ActionPicker* picker(ButtonID id) {
        return shown<RemapSheet>(managers.remap)->row(id)->picker();
    }
};

// The mapping tile opens the window on the engine's map. Edits reach the engine only when saved
// (Save, Return but not Shift+Return, or the header's close symbol); a second request brings the
// open window forward with its edits; closing it any other way discards them. A missing entry
// shows none and stays missing; the reset applies the defaults at once and leaves it open.
TEST_F(WindowsTest, RemapEditsReachTheEngineOnlyWhenSaved) {
    ButtonMap partial = defaults;
    partial.erase(ButtonID::touchpad);
    manager.buttonMap = partial;
    openRemap();
    EXPECT_EQ(picker(ButtonID::touchpad)->action(), ButtonAction::none);
    picker(ButtonID::cross)->pick(ButtonAction::escape);
    managers.remap.window()->close();
    settle();
    EXPECT_EQ(manager.buttonMap.get(), partial);
    openRemap();
    EXPECT_EQ(picker(ButtonID::cross)->action(), actionFor(defaults, ButtonID::cross));

    managers.remap.window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(managers.remap.window()));
    picker(ButtonID::cross)->pick(ButtonAction::escape);
    picker(ButtonID::triangle)->pick(ButtonAction::screenshot);
    openRemap();
    EXPECT_EQ(picker(ButtonID::triangle)->action(), ButtonAction::screenshot);
    picker(ButtonID::triangle)->setFocus();
    QTest::keyClick(picker(ButtonID::triangle), Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(manager.buttonMap.get(), partial);
    QTest::keyClick(picker(ButtonID::triangle), Qt::Key_Return);
    settle();
    EXPECT_EQ(managers.remap.window(), nullptr);
    EXPECT_EQ(actionFor(manager.buttonMap.get(), ButtonID::cross), ButtonAction::escape);
    EXPECT_EQ(actionFor(manager.buttonMap.get(), ButtonID::triangle), ButtonAction::screenshot);
    EXPECT_FALSE(manager.buttonMap->contains(ButtonID::touchpad));

    openRemap();
    picker(ButtonID::l1)->pick(ButtonAction::tab);
    shown<RemapSheet>(managers.remap)->closeSymbolButton()->click();
    settle();
    EXPECT_EQ(managers.remap.window(), nullptr);
    EXPECT_EQ(actionFor(manager.buttonMap.get(), ButtonID::l1), ButtonAction::tab);

    openRemap();
    picker(ButtonID::square)->pick(ButtonAction::missionCtrl);
    shown<RemapSheet>(managers.remap)->resetButton()->click();
    EXPECT_EQ(manager.buttonMap.get(), defaults);
    for (ButtonID id : allButtonIDs) {
        EXPECT_EQ(picker(id)->action(), actionFor(defaults, id));
    }
    picker(ButtonID::cross)->pick(ButtonAction::enter);
    shown<RemapSheet>(managers.remap)->saveButton()->click();
    settle();
    EXPECT_EQ(manager.buttonMap->at(ButtonID::cross), ButtonAction::enter);
}

// Each combo choice is written at once; a missing combo shows none until none is picked; the rows
// follow changes made elsewhere and the reset. The controller tab shows the reading, its age and
// a short refresh. The tab labels follow the selection, a rounded blue tint. The combos survive a
// visit to the other tab, and the window reopens on them.
TEST_F(WindowsTest, CombosAndControllerTabFollowTheEngine) {
    const ComboID first = ControllerManager::availableCombos().at(0);
    const ComboID second = ControllerManager::availableCombos().at(1);
    ComboMap map = manager.comboMap;
    map.erase(first);
    manager.comboMap = map;
    managers.advanced.open(manager);
    auto* view = shown<AdvancedView>(managers.advanced);
    auto combos = [&] { return dynamic_cast<CombosTab*>(view->content()); };
    auto caption = [&](int tab) {
        return static_cast<SymbolButton*>(view->tabButton(tab))->caption();
    };
    auto expectSelected = [&](int selected) {  // the labels follow the selection
        EXPECT_GT(pixelsNear(caption(selected), colors::blue(), 50), 8) << selected;
        EXPECT_EQ(pixelsNear(caption(1 - selected), colors::blue(), 50), 0) << selected;
        EXPECT_GT(pixelsNear(caption(1 - selected), QColor(110, 110, 115), 40), 8) << selected;
    };
    EXPECT_EQ(combos()->row(first)->picker()->action(), ButtonAction::none);
    combos()->row(first)->picker()->pick(ButtonAction::none);
    EXPECT_EQ(manager.comboMap->at(first), ButtonAction::none);
    combos()->row(second)->picker()->pick(ButtonAction::cmdUndo);
    EXPECT_EQ(manager.comboMap->at(second), ButtonAction::cmdUndo);

    view->tabButton(1)->click();
    settle();
    expectSelected(1);
    auto* tab = dynamic_cast<ControllerInfoTab*>(view->content());
    ASSERT_NE(tab, nullptr);
    EXPECT_TRUE(tab->noDataLabel()->isVisibleTo(tab));
    EXPECT_FALSE(tab->refreshButton()->isVisibleTo(tab));
    QTest::qWaitFor([&] {
        sim.scheduler.runQueued();  // appearing started the firmware read
        return tab->firmwareVersion() != "Checking...";
    });
    settle();
    EXPECT_EQ(tab->firmwareValue()->text(), "N/A");
    manager.batteryLevel = 0.6f;
    manager.batteryState = BatteryState::discharging;
    manager.batteryLastUpdated = sim.scheduler.now();
    settle();
    EXPECT_FALSE(tab->noDataLabel()->isVisibleTo(tab));
    sim.scheduler.advanceBy(75);
    manager.batteryState = BatteryState::charging;  // any change redraws the card
    settle();
    EXPECT_EQ(tab->updatedLabel()->text(), "Updated 1m ago");
    EXPECT_EQ(tab->stateLabel()->text(), "Charging");
    tab->refreshButton()->click();
    sim.scheduler.advanceBy(0.79);
    EXPECT_FALSE(tab->refreshButton()->isEnabled());
    EXPECT_TRUE(tab->refreshSpinner()->isVisibleTo(tab));
    sim.scheduler.advanceBy(0.02);
    EXPECT_TRUE(tab->refreshButton()->isEnabled());

    view->tabButton(0)->click();
    settle();
    expectSelected(0);
    const QImage image = view->tabButton(0)->grab().toImage();  // a rounded blue tint
    const QColor corner = image.pixelColor(0, 0);
    const QColor inside = image.pixelColor(4, image.height() / 2);
    EXPECT_GT(inside.blue() - inside.red(), 20);
    EXPECT_LT(corner.blue() - corner.red(), inside.blue() - inside.red() - 10);
    EXPECT_EQ(combos()->row(second)->picker()->action(), ButtonAction::cmdUndo);
    manager.comboMap = ComboMap{};
    settle();
    EXPECT_EQ(combos()->row(second)->picker()->action(), ButtonAction::none);
    combos()->resetButton()->click();
    settle();
    EXPECT_EQ(manager.comboMap.get(), ControllerManager::defaultComboMap());
    EXPECT_EQ(combos()->row(second)->picker()->action(),
              actionFor(ControllerManager::defaultComboMap(), second));

    view->setTab(1);
    managers.advanced.window()->close();
    settle();
    managers.advanced.open(manager);
    EXPECT_EQ(shown<AdvancedView>(managers.advanced)->tab(), 0);
}

// The arrow moves only by whole device pixels, so it needs a frame only when it does: 6 moves per
// 1.4 s cycle at one device pixel per point, 12 at two.
TEST(BobMotion, StepsOnlyWhenTheArrowMovesAPixel) {
    for (const double ratio : {1.0, 2.0}) {
        BobMotion motion(ratio);
        EXPECT_EQ(motion.steps().size(), 1 + 6 * ratio);
        EXPECT_EQ(motion.offsetAt(700), -3.0);
        EXPECT_EQ(motion.offsetAt(1400 + 700), -3.0);  // forever
        for (const auto& step : motion.steps()) {
            EXPECT_EQ(step.offset * ratio, std::round(step.offset * ratio));
        }
        for (long long t : {0LL, 123LL, 699LL, 1399LL}) {
            const int wait = motion.msToNextStep(t);
            EXPECT_GT(wait, 0);
            EXPECT_NE(motion.offsetAt(t + wait), motion.offsetAt(t + wait - 1)) << t;
        }
    }
}

// Every window carries the program's icon and a title, for the task bar. Qt lays a label out in
// the direction of its first strong letter, so every Hebrew text starts with a right-to-left
// mark: without it "Joyvane פועלת" reads left to right. The first-run windows close as their
// buttons say.
TEST_F(WindowsTest, EveryWindowHasTitleAndIconAndReadsRightToLeftInHebrew) {
    sim.languages.setLanguages({"he-IL", "en-US"});
    actions.uinputProblem = UinputProblem::missing;
    startPanel();
    view->show();
    settle();
    managers.advanced.open(manager);
    openRemap();
    managers.onboarding.show();
    managers.hint.show();
    for (app::ManagedWindow* window : {managers.advanced.window(), managers.remap.window(),
                                       managers.onboarding.window(), managers.hint.window()}) {
        ASSERT_NE(window, nullptr);
        EXPECT_FALSE(window->windowTitle().isEmpty());
        EXPECT_FALSE(window->windowIcon().isNull());
    }
    PSKeyboardView keyboardView(keyboard, sim.languages);
    EXPECT_EQ(view->layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(managers.remap.window()->content()->layoutDirection(), Qt::RightToLeft);
    const QString texts[] = {
        view->statusCard()->titleLine()->text(),
        view->header()->quitButton()->toolTip(),
        view->banner()->revealButton()->text(),
        view->uinputBanner()->explanation()->text(),
        shown<RemapSheet>(managers.remap)->closeSymbolButton()->toolTip(),
        shown<OnboardingView>(managers.onboarding)->pageTitle(0)->text(),
        shown<MenuBarHintView>(managers.hint)->gotItButton()->text(),
        keyboardView.closeButton()->toolTip(),
        app::trayToolTip({false, true, {}, {}}, true),
    };
    for (const QString& text : texts) {
        EXPECT_TRUE(text.startsWith(QChar(0x200F))) << text.toStdString();
    }
    // Onboarding pages forward and back; Get Started closes it and marks it seen, and so does the
    // title bar's close button. The hint's Got It closes its window.
    auto* onboarding = shown<OnboardingView>(managers.onboarding);
    for (int i = 0; i < 3; ++i) {
        onboarding->nextButton()->click();
    }
    onboarding->backButton()->click();
    EXPECT_EQ(onboarding->page(), 2);
    EXPECT_FALSE(onboarding->getStartedButton()->isVisibleTo(onboarding));
    onboarding->nextButton()->click();
    EXPECT_FALSE(onboarding->nextButton()->isVisibleTo(onboarding));
    onboarding->getStartedButton()->click();
    shown<MenuBarHintView>(managers.hint)->gotItButton()->click();
    settle();
    EXPECT_EQ(managers.onboarding.window(), nullptr);
    EXPECT_EQ(managers.hint.window(), nullptr);
    EXPECT_TRUE(sim.defaults.boolForKey("hasSeenOnboarding"));
    sim.defaults.setBool("hasSeenOnboarding", false);
    managers.onboarding.show();
    managers.onboarding.window()->close();
    EXPECT_TRUE(sim.defaults.boolForKey("hasSeenOnboarding"));
    // The choice is made again at every refresh.
    sim.languages.setLanguages({"en-US", "he-IL"});
    view->refresh();
    EXPECT_EQ(view->layoutDirection(), Qt::LeftToRight);
    EXPECT_EQ(view->statusCard()->titleLine()->text(), "Waiting for controller...");
}

}  // namespace
}  // namespace joyvane::ui::test
