// Renders every window in its main states, in English and in Hebrew, as PNG files for people to
// look at. The folder is given as the first argument.
#include <QApplication>
#include <QDir>
#include <QTest>
#include <chrono>
#include <thread>

#include "keyboard/ps_keyboard_controller.h"
#include "ui/keyboard_panel/ps_keyboard_view.h"
#include "ui/windows/advanced_view.h"
#include "ui/windows/controller_info_tab.h"
#include "ui/windows/menu_bar_hint_view.h"
#include "ui/windows/onboarding_view.h"
#include "ui/windows/remap_sheet.h"
#include "window_test_support.h"

namespace joyvane::ui {
namespace {

QString outputFolder;

class Screenshots : public test::WindowTest {
  protected:
    std::shared_ptr<sim::SimHidRegistry> hid = std::make_shared<sim::SimHidRegistry>();

    void save(QWidget& widget, QSize size, const QString& name, int settleMs = 50) {
        widget.resize(size);
        widget.show();
        QTest::qWait(settleMs);
        settle();
        QString path = QDir(outputFolder).filePath(name + QStringLiteral(".png"));
        ASSERT_TRUE(widget.grab().save(path)) << path.toStdString();
    }
    void forEachLanguage(const std::function<void(const QString&)>& shoot) {
        for (QString language : {QStringLiteral("en"), QStringLiteral("he")}) {
            sim.languages.setLanguages({language.toStdString()});
            shoot(language);
        }
    }
    void batteryReadings() {
        mgr.controllerName = "DualSense Wireless Controller";
        mgr.isConnected = true;
        std::vector<BatteryHistoryEntry> history;
        for (int i = 0; i < 25; ++i) {
            history.push_back({i * 60.0, 0.95f - 0.01f * static_cast<float>(i) * (i % 3 + 1)});
        }
        mgr.batteryHistory = history;
        mgr.batteryLevel = 0.73f;
        mgr.batteryState = BatteryState::charging;
        mgr.batteryLastUpdated = sim.scheduler.now() - 12;
    }
};

TEST_F(Screenshots, ButtonMapping) {
    forEachLanguage([&](const QString& lang) {
        RemapSheet sheet(mgr.buttonMap, {}, {}, {}, sim.languages);
        save(sheet, {440, 540}, "remap-" + lang);
    });
}

TEST_F(Screenshots, AdvancedGestures) {
    forEachLanguage([&](const QString& lang) {
        AdvancedView view({mgr, sim.languages, sim.workspace, hid, sim.scheduler});
        save(view, {480, 480}, "advanced-gestures-" + lang);
    });
}

TEST_F(Screenshots, AdvancedController) {
    forEachLanguage([&](const QString& lang) {
        mgr.batteryLevel = std::nullopt;
        AdvancedView empty({mgr, sim.languages, sim.workspace, hid, sim.scheduler});
        empty.setTab(1);
        save(empty, {480, 480}, "advanced-controller-nodata-" + lang);

        batteryReadings();
        AdvancedView view({mgr, sim.languages, sim.workspace, hid, sim.scheduler});
        view.setTab(1);
        auto* tab = static_cast<ControllerInfoTab*>(view.content());
        view.resize(480, 480);
        view.show();
        for (int i = 0; i < 200 && tab->firmwareVersion().endsWith("..."); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            sim.scheduler.runQueued();
        }
        save(view, {480, 480}, "advanced-controller-" + lang, 500);
        tab->refreshButton()->click();
        save(view, {480, 480}, "advanced-controller-refreshing-" + lang);
        sim.scheduler.advanceBy(1);
    });
}

TEST_F(Screenshots, Onboarding) {
    forEachLanguage([&](const QString& lang) {
        OnboardingView view(sim.defaults, lang == "he", {});
        for (int page = 0; page < 4; ++page) {
            view.setPage(page);
            save(view, {480, 580}, QStringLiteral("onboarding-page%1-").arg(page + 1) + lang, 350);
        }
    });
}

TEST_F(Screenshots, MenuBarHint) {
    forEachLanguage([&](const QString& lang) {
        MenuBarHintView view(lang == "he", {});
        save(view, {380, 380}, "hint-" + lang);
    });
}

TEST_F(Screenshots, KeyboardPanel) {
    struct Shot {
        KeyboardLayout layout;
        bool uppercase;
        int row;
        int col;
        const char* name;
    };
    const Shot shots[] = {{KeyboardLayout::latin, false, 1, 4, "keyboard-latin-"},
                          {KeyboardLayout::latin, true, 2, 9, "keyboard-latin-shift-"},
                          {KeyboardLayout::hebrew, true, 3, 0, "keyboard-hebrew-"},
                          {KeyboardLayout::symbols, true, 4, 1, "keyboard-symbols-space-"}};
    forEachLanguage([&](const QString& lang) {
        PSKeyboardView view(keyboard, sim.languages);
        for (const Shot& shot : shots) {
            keyboard.layout = shot.layout;
            keyboard.isUppercase = shot.uppercase;
            keyboard.cursorRow = shot.row;
            keyboard.cursorCol = shot.col;
            save(view, {586, view.sizeHint().height()}, shot.name + lang, 200);
        }
    });
}

}  // namespace
}  // namespace joyvane::ui

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    joyvane::ui::outputFolder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(joyvane::ui::outputFolder);
    return RUN_ALL_TESTS();
}
