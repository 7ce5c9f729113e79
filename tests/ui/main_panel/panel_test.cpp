// The main panel's bindings to the engine on the sim platform, and its banners.
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QScrollArea>
#include <QSlider>
#include <QToolButton>

#include "../ui_fixture.h"
#include "ui/controls/battery_badge.h"
#include "ui/controls/setting_slider.h"
#include "ui/controls/stick_view.h"
#include "ui/controls/switch_button.h"
#include "ui/controls/toggle_row.h"
#include "ui/main_panel/behavior_card.h"
#include "ui/main_panel/device_access_banner.h"
#include "ui/main_panel/panel_header.h"
#include "ui/main_panel/settings_card.h"
#include "ui/main_panel/status_card.h"
#include "ui/main_panel/sticks_row.h"
#include "ui/main_panel/touchpad_card.h"
#include "ui/main_panel/uinput_banner.h"

namespace joyvane::ui::test {
namespace {

using PanelTest = UiTest;

// Each slider and switch writes its setting and follows changes made elsewhere, also to a value
// beyond the slider's range, and the reset moves them back (but leaves auto-enable alone).
// Launch at Login goes through the desktop; a switch that cannot turn on stays off and says so
// under it.
TEST_F(PanelTest, SlidersAndSwitchesWriteTheirSettingAndFollowChangesMadeElsewhere) {
    connect();
    startPanel();
    SettingsCard* settings = view->settingsCard();
    const struct {
        SettingSlider* slider;
        Published<double>& setting;
        double lower;
        double upper;
    } sliders[] = {
        {settings->mouseSpeed(), manager.sensitivity, 3, 25},
        {settings->scrollSpeed(), manager.scrollSensitivity, 1, 12},
        {settings->deadZone(), manager.deadzone, 0.05, 0.4},
        {settings->acceleration(), manager.acceleration, 1, 3},
        {view->touchpadCard()->sensitivity(), manager.touchpadSensitivity, 100, 700},
    };
    for (const auto& [slider, setting, lower, upper] : sliders) {
        SCOPED_TRACE(slider->label()->text().toStdString());
        slider->slider()->setValue(SettingSlider::kSteps);
        EXPECT_DOUBLE_EQ(setting.get(), upper);
        slider->slider()->setValue(0);
        EXPECT_DOUBLE_EQ(setting.get(), lower);
        setting = (lower + upper) / 2;
        settle();
        EXPECT_EQ(slider->slider()->value(), SettingSlider::kSteps / 2);
        EXPECT_EQ(slider->valueLabel()->text(), QString::asprintf("%.1f", setting.get()));
        EXPECT_DOUBLE_EQ(setting.get(), (lower + upper) / 2) << "showing it wrote it back";
        setting = upper + 0.96;  // the engine never clamps: the handle stops, the number does not
        settle();
        EXPECT_EQ(slider->slider()->value(), SettingSlider::kSteps);
        EXPECT_EQ(slider->valueLabel()->text(), QString::number(upper + 1, 'f', 1));
        EXPECT_DOUBLE_EQ(setting.get(), upper + 0.96);
    }
    const struct {
        ToggleRow* row;
        Published<bool>& setting;
    } switches[] = {{settings->naturalScrolling(), manager.naturalScrolling},
                    {view->behaviorCard()->autoEnable(), manager.autoEnableOnConnect},
                    {view->touchpadCard()->movement(), manager.touchpadEnabled}};
    for (const auto& [row, setting] : switches) {
        SCOPED_TRACE(row->label()->text().toStdString());
        const bool before = setting.get();
        row->switchButton()->click();
        settle();
        EXPECT_EQ(setting.get(), !before);
        setting = before;
        settle();
        EXPECT_EQ(row->switchButton()->isChecked(), before);
    }
    manager.autoEnableOnConnect = false;
    settings->resetButton()->click();
    settle();
    EXPECT_EQ(settings->mouseSpeed()->valueLabel()->text(), "10.0");
    EXPECT_FALSE(manager.autoEnableOnConnect.get());

    BehaviorCard* card = view->behaviorCard();
    sim.workspace.launchAtLoginWorks = false;
    card->launchAtLogin()->switchButton()->click();
    settle();
    EXPECT_FALSE(card->launchAtLogin()->switchButton()->isChecked());
    EXPECT_FALSE(card->launchFailure()->isHidden());
    sim.workspace.launchAtLoginWorks = true;
    card->launchAtLogin()->switchButton()->click();
    settle();
    EXPECT_TRUE(manager.launchAtLogin.get());
    EXPECT_EQ(sim.log.all<sim::LaunchAtLoginCall>().back(), sim::LaunchAtLoginCall{true});
    EXPECT_TRUE(card->launchAtLogin()->switchButton()->isChecked());
    EXPECT_TRUE(card->launchFailure()->isHidden());
}

TEST_F(PanelTest, QuitLetsGoOfHeldClicksFirst) {
    int quits = 0;
    actions.quit = [&] { ++quits; };
    startPanel();
    mouse.isLeftDown = true;
    mouse.isRightDown = true;
    view->header()->quitButton()->click();
    const auto events = sim.log.all<MouseEvent>();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].type, MouseEventType::leftMouseUp);
    EXPECT_EQ(events[1].type, MouseEventType::rightMouseUp);
    EXPECT_EQ(quits, 1);
}

// The controller's parts show while one is connected, the touchpad's only for a pad that has one
// and its slider only while touchpad movement is on; the keyboard button needs the feature too.
// The stick pictures follow the engine's sticks.
TEST_F(PanelTest, ControllerPartsFollowTheController) {
    startPanel();
    BehaviorCard* behavior = view->behaviorCard();
    EXPECT_TRUE(behavior->keyboardButton()->isHidden());
    view->statusCard()->reconnectButton()->click();  // none known: nothing happens
    settle();
    EXPECT_FALSE(manager.isConnected.get());

    auto generic = connect(PhysicalProfile::other);
    EXPECT_TRUE(view->touchpadCard()->isHidden());
    sim.controllers.disconnect(generic);
    auto pad = connect(PhysicalProfile::dualSense, BatteryReading{0.8f, BatteryState::discharging});
    manager.refreshBattery();
    settle();
    EXPECT_FALSE(view->header()->batteryBadge()->isHidden());
    EXPECT_FALSE(view->touchpadCard()->sensitivity()->isHidden());
    mouse.isLeftDown = true;  // a held click shows as a drag; the dots follow the sticks, y upward
    manager.leftX = 1.0f;
    manager.rightX = -0.5f;
    manager.rightY = 1.0f;
    settle();
    EXPECT_EQ(view->sticks()->mouseStick()->picture()->dotOffset(), QPointF(19, 0));
    EXPECT_TRUE(view->sticks()->mouseStick()->picture()->isDragging());
    EXPECT_EQ(view->sticks()->scrollStick()->picture()->dotOffset(), QPointF(-9.5, -19));
    manager.touchpadEnabled = false;
    settle();
    EXPECT_TRUE(view->touchpadCard()->sensitivity()->isHidden());

    behavior->keyboardButton()->click();
    settle();
    EXPECT_TRUE(keyboard.isVisible.get());
    behavior->keyboardFeature()->switchButton()->click();
    settle();
    EXPECT_FALSE(manager.keyboardFeatureEnabled().get());
    EXPECT_TRUE(behavior->keyboardButton()->isHidden());

    sim.controllers.disconnect(pad);
    settle();
    EXPECT_TRUE(view->header()->batteryBadge()->isHidden());
    EXPECT_TRUE(view->sticks()->isHidden());
    EXPECT_TRUE(view->touchpadCard()->isHidden());
    EXPECT_FALSE(view->statusCard()->reconnectButton()->isHidden());
    auto present = std::make_shared<sim::SimController>(sim::SimControllerSpec{});
    sim.controllers.addPresent(present);  // known to the platform, never announced
    view->statusCard()->reconnectButton()->click();
    settle();
    EXPECT_EQ(manager.controller(), present);
}

// Steps, then after Grant Access (which asks once) the waiting line and the link that shows the
// program's own file, both in their colours; granted, the banner goes, and a revocation brings
// the steps back.
TEST_F(PanelTest, AccessibilityBannerFollowsTrust) {
    connect();
    setTrusted(false);
    startPanel();
    view->show();
    settle();
    AccessibilityBanner* banner = view->banner();
    auto waiting = [&] { return banner->steps()->isHidden() && !banner->waitingRow()->isHidden(); };
    EXPECT_FALSE(view->header()->masterSwitch()->isEnabled());
    EXPECT_FALSE(banner->steps()->isHidden());
    EXPECT_TRUE(banner->revealButton()->isHidden());
    sim.log.clear();
    clickGrantAccessCheckingItsColours(banner);
    EXPECT_TRUE(waiting());
    EXPECT_EQ(sim.log.all<sim::PromptCall>().size(), 1u);
    banner->revealButton()->click();
    EXPECT_EQ(sim.log.all<sim::RevealCall>(),
              std::vector<sim::RevealCall>{{"/opt/joyvane/bin/joyvane"}});
    setTrusted(false);  // a refresh that stays false changes nothing
    EXPECT_TRUE(waiting());

    setTrusted(true);
    EXPECT_TRUE(banner->isHidden());
    EXPECT_TRUE(view->header()->masterSwitch()->isEnabled());
    setTrusted(false);
    EXPECT_FALSE(banner->isHidden());
    EXPECT_FALSE(banner->steps()->isHidden());
}

// The banners of a machine that keeps input from the program: controllers whose hidraw node is
// out of reach, and a Wayland session without a usable /dev/uinput.
const QString kCommand = QStringLiteral("/usr/bin/joyvane --udev-rules | sudo tee x && trigger");

// The uinput banner names the device and its fix. Each controller out of reach is on a line of
// its own; in Hebrew each line ends with a left-to-right mark so that the node's brackets stay
// with it. The commands are never translated or mirrored.
TEST_F(PanelTest, BannersNameWhatIsOutOfReachAndTheCommandThatFixesIt) {
    startPanel();
    EXPECT_EQ(view->uinputBanner(), nullptr) << "shown where input can be posted";
    for (const auto& [problem, command] :
         {std::pair{UinputProblem::missing, "sudo modprobe uinput"},
          std::pair{UinputProblem::notWritable, "udevadm trigger"}}) {
        actions.uinputProblem = problem;
        startPanel();
        ASSERT_NE(view->uinputBanner(), nullptr);
        EXPECT_TRUE(view->uinputBanner()->command()->text().contains(command));
        EXPECT_TRUE(view->uinputBanner()->explanation()->text().contains("/dev/uinput"));
    }
    int checks = 0;
    auto* banner = new DeviceAccessBanner([&] { ++checks; });
    addToPanel(*view, banner);
    banner->setNotice(DeviceAccessNotice{{}, kCommand});  // nothing blocked: nothing to say
    EXPECT_TRUE(banner->isHidden());
    const DeviceAccessNotice notice{
        {{"DualSense", "USB", "/dev/hidraw3"}, {"DualShock 4", "Bluetooth", "/dev/hidraw5"}},
        kCommand};
    for (const bool hebrew : {false, true}) {
        sim.languages.setLanguages({hebrew ? "he" : "en"});
        view->refresh();
        banner->setNotice(notice);
        settle();
        const QString mark = hebrew ? QStringLiteral("\u200E") : QString();
        const QString explanation = banner->explanation()->text();
        EXPECT_TRUE(explanation.contains("USB (/dev/hidraw3)" + mark + "\n")) << hebrew;
        EXPECT_TRUE(explanation.endsWith("Bluetooth (/dev/hidraw5)" + mark)) << hebrew;
        EXPECT_EQ(banner->command()->text(), kCommand);
        EXPECT_EQ(banner->command()->layoutDirection(), Qt::LeftToRight);
    }
    EXPECT_EQ(view->scrollArea()->widget()->layout()->itemAt(0)->widget(), banner)
        << "above every other banner";
    banner->checkAgainButton()->click();
    EXPECT_EQ(checks, 1);
    banner->copyButton()->click();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), kCommand);
    banner->setNotice(std::nullopt);
    EXPECT_TRUE(banner->isHidden());
}

}  // namespace
}  // namespace joyvane::ui::test
