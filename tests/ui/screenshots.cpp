// Draws every window in its main states, in English and in Hebrew, as PNG files for people to
// look at; contact_sheets.sh puts each English picture beside its Hebrew twin.
//   ui_screenshots panel|windows|tray FOLDER
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QScrollArea>
#include <QTest>
#include <QToolButton>
#include <cstdio>
#include <map>

#include "app/tray_label.h"
#include "ui/keyboard_panel/ps_keyboard_view.h"
#include "ui/main_panel/content_view.h"
#include "ui/main_panel/device_access_banner.h"
#include "ui/windows/advanced_view.h"
#include "ui/windows/controller_info_tab.h"
#include "ui/windows/menu_bar_hint_view.h"
#include "ui/windows/onboarding_view.h"
#include "ui/windows/remap_sheet.h"
#include "ui_fixture.h"

namespace joyvane::ui {
namespace {

// The engine in one language.
struct Scene : test::UiEngine {
    bool hebrew;

    explicit Scene(bool he) : hebrew(he) { sim.languages.setLanguages({he ? "he" : "en"}); }
    std::unique_ptr<ContentView> panel() { return std::make_unique<ContentView>(context, actions); }
    std::unique_ptr<AdvancedView> advanced(int tab) {
        auto view = std::make_unique<AdvancedView>(
            AdvancedContext{manager, sim.languages, sim.workspace, hid, sim.scheduler});
        view->setTab(tab);
        view->resize(480, 480);
        return view;
    }
};

// Writes one picture of `widget` as FOLDER/NAME-en.png or -he.png (a panel also as
// NAME-en-full.png: its whole scrolling column).
struct Camera {
    QDir folder;
    int failures = 0;

    void operator()(Scene& scene, QWidget& widget, const QString& name) {
        widget.show();
        // Long enough for the windows' animations to rest and the firmware read to report.
        for (int i = 0; i < 4; ++i) {
            QTest::qWait(50);
            scene.sim.scheduler.runQueued();
        }
        const QString file = folder.filePath(name + (scene.hebrew ? "-he" : "-en"));
        failures += !widget.grab().save(file + ".png");
        if (auto* panel = dynamic_cast<ContentView*>(&widget)) {
            failures += !panel->scrollArea()->widget()->grab().save(file + "-full.png");
        }
    }
};

void panelShots(Scene& s, Camera& shoot) {
    shoot(s, *s.panel(), "no-controller");
    auto panel = s.panel();
    auto* banner = new DeviceAccessBanner([] {});
    addToPanel(*panel, banner);
    banner->setNotice(DeviceAccessNotice{
        {{"DualSense", "USB", "/dev/hidraw3"}, {"DualShock 4", "Bluetooth", "/dev/hidraw5"}},
        "/usr/bin/joyvane --udev-rules | sudo tee /etc/udev/rules.d/70-joyvane.rules >/dev/null "
        "&& sudo udevadm control --reload-rules && sudo udevadm trigger"});
    shoot(s, *panel, "device-access");
    auto pad = s.connect(PhysicalProfile::dualSense, BatteryReading{0.62f, BatteryState::charging});
    s.manager.refreshBattery();
    pad->setLeftStick(0.6f, 0.4f);
    pad->setRightStick(-0.3f, -0.8f);
    s.sim.scheduler.advanceBy(0.02);
    shoot(s, *s.panel(), "dualsense");
    s.manager.setEnabled(false);
    s.keyboard.toggle();
    shoot(s, *s.panel(), "paused-keyboard");
    s.sim.accessibility.setTrusted(false);
    s.sim.scheduler.advanceBy(2.0);
    panel = s.panel();
    shoot(s, *panel, "accessibility-steps");
    panel->banner()->grantButton()->click();
    shoot(s, *panel, "accessibility-waiting");
}

void windowShots(Scene& s, Camera& shoot) {
    RemapSheet remap(s.manager.buttonMap, {}, {}, {}, s.sim.languages);
    remap.resize(440, 540);
    shoot(s, remap, "remap");
    shoot(s, *s.advanced(0), "advanced-gestures");
    shoot(s, *s.advanced(1), "advanced-controller-nodata");
    s.connect(PhysicalProfile::dualSense, BatteryReading{0.73f, BatteryState::charging});
    s.manager.refreshBattery();
    std::vector<BatteryHistoryEntry> history;
    for (int i = 0; i < 25; ++i) {
        history.push_back({i * 60.0, 0.95f - 0.01f * static_cast<float>(i) * (i % 3 + 1)});
    }
    s.manager.batteryHistory = history;
    auto advanced = s.advanced(1);
    shoot(s, *advanced, "advanced-controller");
    static_cast<ControllerInfoTab*>(advanced->content())->refreshButton()->click();
    shoot(s, *advanced, "advanced-controller-refreshing");
    OnboardingView onboarding(s.sim.defaults, s.hebrew, {});
    onboarding.resize(480, 580);
    for (int page = 0; page < 4; ++page) {
        onboarding.setPage(page);
        shoot(s, onboarding, QStringLiteral("onboarding-page%1").arg(page + 1));
    }
    MenuBarHintView hint(s.hebrew, {});
    hint.resize(380, 380);
    shoot(s, hint, "hint");
    PSKeyboardView keyboard(s.keyboard, s.sim.languages);
    keyboard.resize(586, keyboard.sizeHint().height());
    const struct {
        KeyboardLayout layout;
        bool upper;
        int row;
        int col;
        const char* name;
    } keyboards[] = {{KeyboardLayout::latin, false, 1, 4, "keyboard-latin"},
                     {KeyboardLayout::latin, true, 2, 9, "keyboard-latin-shift"},
                     {KeyboardLayout::hebrew, true, 3, 0, "keyboard-hebrew"},
                     {KeyboardLayout::symbols, true, 4, 1, "keyboard-symbols-space"}};
    for (const auto& k : keyboards) {
        s.keyboard.layout = k.layout;
        s.keyboard.isUppercase = k.upper;
        s.keyboard.cursorRow = k.row;
        s.keyboard.cursorCol = k.col;
        shoot(s, keyboard, k.name);
    }
}

// The tray icon in each state on a dark top bar, with its tooltip's text under it.
void trayShots(Scene& s, Camera& shoot) {
    const struct {
        const char* name;
        app::TrayState state;
    } states[] = {{"tray-disabled-no-controller", {false, false, {}, {}}},
                  {"tray-connected-paused", {true, false, BatteryState::discharging, 0.8f}},
                  {"tray-connected", {true, true, BatteryState::discharging, 0.8f}},
                  {"tray-charging", {true, true, BatteryState::charging, 0.5f}},
                  {"tray-low-battery", {true, true, BatteryState::discharging, 0.12f}}};
    for (const auto& [name, state] : states) {
        QToolButton strip;
        strip.setLayoutDirection(s.hebrew ? Qt::RightToLeft : Qt::LeftToRight);
        strip.setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        strip.setIcon(app::renderTrayLabel(app::trayLabelFor(state), 24));
        strip.setIconSize({24, 24});
        strip.setText(app::trayToolTip(state, s.hebrew));
        strip.setStyleSheet("background: #222222; color: #f6f6f8; padding: 6px;");
        shoot(s, strip, name);
    }
}

}  // namespace
}  // namespace joyvane::ui

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    using Shots = void (*)(joyvane::ui::Scene&, joyvane::ui::Camera&);
    const std::map<std::string, Shots> groups{{"panel", joyvane::ui::panelShots},
                                              {"windows", joyvane::ui::windowShots},
                                              {"tray", joyvane::ui::trayShots}};
    if (argc != 3 || !groups.contains(argv[1])) {
        std::fprintf(stderr, "usage: ui_screenshots panel|windows|tray FOLDER\n");
        return 2;
    }
    joyvane::ui::Camera camera{QDir(QString::fromLocal8Bit(argv[2]))};
    camera.folder.mkpath(QStringLiteral("."));
    for (const bool hebrew : {false, true}) {
        joyvane::ui::Scene scene(hebrew);
        groups.at(argv[1])(scene, camera);
    }
    return camera.failures == 0 ? 0 : 1;
}
