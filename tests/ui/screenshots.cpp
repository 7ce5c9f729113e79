// Draws every window in its main states, in English and in Hebrew, as PNG files for people to
// look at; contact_sheets.sh puts each English picture beside its Hebrew twin.
//   ui_screenshots panel|windows|tray FOLDER
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QTest>
#include <cstdio>
#include <cstring>
#include <functional>

#include "app/tray_label.h"
#include "engine/controller_manager.h"
#include "keyboard/ps_keyboard_controller.h"
#include "output/mouse_controller.h"
#include "platform/sim/sim_platform.h"
#include "ui/controls/symbol_button.h"
#include "ui/keyboard_panel/ps_keyboard_view.h"
#include "ui/main_panel/accessibility_banner.h"
#include "ui/main_panel/content_view.h"
#include "ui/main_panel/device_access_banner.h"
#include "ui/windows/advanced_view.h"
#include "ui/windows/controller_info_tab.h"
#include "ui/windows/menu_bar_hint_view.h"
#include "ui/windows/onboarding_view.h"
#include "ui/windows/remap_sheet.h"

namespace joyvane::ui {
namespace {

// The engine on the sim platform, in one language, for one picture.
struct Scene {
    sim::SimPlatform sim;
    MouseController mouse{sim.poster, sim.screens};
    PSKeyboardController keyboard{sim.scheduler, sim.poster, sim.accessibility, sim.panels};
    ControllerManager manager{sim.platform(), mouse, keyboard};
    PanelContext context{manager, keyboard, mouse, sim.accessibility, sim.workspace, sim.languages};
    bool hebrew;

    explicit Scene(bool he) : hebrew(he) { sim.languages.setLanguages({he ? "he" : "en"}); }
    std::unique_ptr<ContentView> panel() {
        return std::make_unique<ContentView>(context, PanelActions{});
    }
    std::unique_ptr<AdvancedView> advanced(int tab) {
        auto view = std::make_unique<AdvancedView>(
            AdvancedContext{manager, sim.languages, sim.workspace,
                            std::make_shared<sim::SimHidRegistry>(), sim.scheduler});
        view->setTab(tab);
        view->resize(480, 480);
        return view;
    }
    std::shared_ptr<sim::SimController> connect(PhysicalProfile profile,
                                                std::optional<BatteryReading> battery = {}) {
        sim::SimControllerSpec spec;
        spec.category = "DualSense Wireless Controller";
        spec.physical = profile;
        spec.battery = battery;
        auto controller = std::make_shared<sim::SimController>(spec);
        sim.controllers.connect(controller);
        sim.scheduler.runQueued();
        manager.refreshBattery();
        return controller;
    }
    void batteryHistory() {
        connect(PhysicalProfile::dualSense, BatteryReading{0.73f, BatteryState::charging});
        std::vector<BatteryHistoryEntry> history;
        for (int i = 0; i < 25; ++i) {
            history.push_back({i * 60.0, 0.95f - 0.01f * static_cast<float>(i) * (i % 3 + 1)});
        }
        manager.batteryHistory = history;
    }
};

std::unique_ptr<QWidget> withDeviceBanner(std::unique_ptr<ContentView> panel) {
    auto* banner = new DeviceAccessBanner([] {});
    addToPanel(*panel, banner);
    banner->setNotice(DeviceAccessNotice{
        {{"DualSense", "USB", "/dev/hidraw3"}, {"DualShock 4", "Bluetooth", "/dev/hidraw5"}},
        "/usr/bin/joyvane --udev-rules | sudo tee /etc/udev/rules.d/70-joyvane.rules >/dev/null "
        "&& sudo udevadm control --reload-rules && sudo udevadm trigger"});
    return panel;
}

std::unique_ptr<QWidget> keyboardShot(Scene& s, KeyboardLayout layout, bool upper, int row,
                                      int col) {
    s.keyboard.layout = layout;
    s.keyboard.isUppercase = upper;
    s.keyboard.cursorRow = row;
    s.keyboard.cursorCol = col;
    auto view = std::make_unique<PSKeyboardView>(s.keyboard, s.sim.languages);
    view->resize(586, view->sizeHint().height());
    return view;
}

std::unique_ptr<QWidget> onboardingShot(Scene& s, int page) {
    auto view = std::make_unique<OnboardingView>(s.sim.defaults, s.hebrew, nullptr);
    view->setPage(page);
    view->resize(480, 580);
    return view;
}

// The tray icon on a strip of dark top bar, with its tooltip as Qt shows it.
std::unique_ptr<QWidget> trayShot(const app::TrayState& state, bool hebrew) {
    const QPixmap icon = app::renderTrayLabel(app::trayLabelFor(state), 24);
    QLabel tip(app::trayToolTip(state, hebrew));
    tip.setMargin(6);
    tip.setStyleSheet(
        QStringLiteral("background: #fffff0; color: #1c1c1e; border: 1px solid #999;"));
    const QPixmap tipImage = tip.grab();
    QPixmap picture(std::max(260, tipImage.width() + 20), 40 + tipImage.height());
    picture.fill(QColor(246, 246, 248));
    QPainter p(&picture);
    p.fillRect(QRect(0, 0, picture.width(), 28), QColor(34, 34, 34));
    p.drawPixmap(hebrew ? 8 : picture.width() - 32, 2, icon);
    p.drawPixmap(hebrew ? 8 : picture.width() - tipImage.width() - 8, 34, tipImage);
    auto label = std::make_unique<QLabel>();
    label->setPixmap(picture);
    return label;
}

struct Shot {
    const char* group;
    const char* name;
    std::function<std::unique_ptr<QWidget>(Scene&)> make;
};

const Shot kShots[] = {
    {"panel", "no-controller", [](Scene& s) { return s.panel(); }},
    {"panel", "dualsense",
     [](Scene& s) {
         auto pad =
             s.connect(PhysicalProfile::dualSense, BatteryReading{0.62f, BatteryState::charging});
         pad->setLeftStick(0.6f, 0.4f);
         pad->setRightStick(-0.3f, -0.8f);
         s.sim.scheduler.advanceBy(0.02);
         return s.panel();
     }},
    {"panel", "paused-keyboard",
     [](Scene& s) {
         s.connect(PhysicalProfile::dualShock);
         s.manager.setEnabled(false);
         s.keyboard.toggle();
         return s.panel();
     }},
    {"panel", "accessibility-steps",
     [](Scene& s) {
         s.sim.accessibility.setTrusted(false);
         s.sim.scheduler.advanceBy(2.0);
         return s.panel();
     }},
    {"panel", "accessibility-waiting",
     [](Scene& s) {
         s.sim.accessibility.setTrusted(false);
         s.sim.scheduler.advanceBy(2.0);
         auto panel = s.panel();
         panel->banner()->grantButton()->click();
         return panel;
     }},
    {"panel", "device-access", [](Scene& s) { return withDeviceBanner(s.panel()); }},
    {"windows", "remap",
     [](Scene& s) {
         auto sheet = std::make_unique<RemapSheet>(s.manager.buttonMap, nullptr, nullptr, nullptr,
                                                   s.sim.languages);
         sheet->resize(440, 540);
         return sheet;
     }},
    {"windows", "advanced-gestures", [](Scene& s) { return s.advanced(0); }},
    {"windows", "advanced-controller-nodata", [](Scene& s) { return s.advanced(1); }},
    {"windows", "advanced-controller",
     [](Scene& s) {
         s.batteryHistory();
         return s.advanced(1);
     }},
    {"windows", "advanced-controller-refreshing",
     [](Scene& s) {
         s.batteryHistory();
         auto view = s.advanced(1);
         static_cast<ControllerInfoTab*>(view->content())->refreshButton()->click();
         return view;
     }},
    {"windows", "onboarding-page1", [](Scene& s) { return onboardingShot(s, 0); }},
    {"windows", "onboarding-page2", [](Scene& s) { return onboardingShot(s, 1); }},
    {"windows", "onboarding-page3", [](Scene& s) { return onboardingShot(s, 2); }},
    {"windows", "onboarding-page4", [](Scene& s) { return onboardingShot(s, 3); }},
    {"windows", "hint",
     [](Scene& s) {
         auto view = std::make_unique<MenuBarHintView>(s.hebrew, nullptr);
         view->resize(380, 380);
         return view;
     }},
    {"windows", "keyboard-latin",
     [](Scene& s) { return keyboardShot(s, KeyboardLayout::latin, false, 1, 4); }},
    {"windows", "keyboard-latin-shift",
     [](Scene& s) { return keyboardShot(s, KeyboardLayout::latin, true, 2, 9); }},
    {"windows", "keyboard-hebrew",
     [](Scene& s) { return keyboardShot(s, KeyboardLayout::hebrew, true, 3, 0); }},
    {"windows", "keyboard-symbols-space",
     [](Scene& s) { return keyboardShot(s, KeyboardLayout::symbols, true, 4, 1); }},
    {"tray", "tray-disabled-no-controller",
     [](Scene& s) {
         return trayShot({false, false, {}, {}}, s.hebrew);
     }},
    {"tray", "tray-connected-paused",
     [](Scene& s) {
         return trayShot({true, false, BatteryState::discharging, 0.8f}, s.hebrew);
     }},
    {"tray", "tray-charging",
     [](Scene& s) {
         return trayShot({true, true, BatteryState::charging, 0.5f}, s.hebrew);
     }},
    {"tray", "tray-low-battery",
     [](Scene& s) {
         return trayShot({true, true, BatteryState::discharging, 0.12f}, s.hebrew);
     }},
};

}  // namespace
}  // namespace joyvane::ui

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: ui_screenshots panel|windows|tray FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[2]));
    folder.mkpath(QStringLiteral("."));
    int failures = 0;
    for (const auto& shot : joyvane::ui::kShots) {
        if (std::strcmp(shot.group, argv[1]) != 0) {
            continue;
        }
        for (const bool hebrew : {false, true}) {
            joyvane::ui::Scene scene(hebrew);
            auto widget = shot.make(scene);
            widget->show();
            // Long enough for the windows' animations to rest and the firmware read to report.
            const int rounds = std::strcmp(shot.group, "windows") == 0 ? 4 : 1;
            for (int i = 0; i < rounds; ++i) {
                QTest::qWait(50);
                scene.sim.scheduler.runQueued();
            }
            const QString name = QString::fromLatin1(shot.name) + (hebrew ? "-he" : "-en");
            failures += !widget->grab().save(folder.filePath(name + ".png"));
            if (auto* panel = dynamic_cast<joyvane::ui::ContentView*>(widget.get())) {
                failures += !panel->scrollArea()->widget()->grab().save(
                    folder.filePath(name + "-full.png"));
            }
        }
    }
    return failures == 0 ? 0 : 1;
}
