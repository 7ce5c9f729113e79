#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QSystemTrayIcon>
#include <cstdio>

#include "app/panel_host.h"
#include "app/tray_item.h"
#include "engine/controller_manager.h"
#include "keyboard/ps_keyboard_controller.h"
#include "output/mouse_controller.h"
#include "platform/sim/sim_platform.h"
#include "ui/main_panel/content_view.h"

namespace joyvane::app {
namespace {

bool waitFor(const std::function<bool()>& condition, int ms) {
    QDeadlineTimer deadline(ms);
    while (!condition()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

// Clicks through the X server, as a person would (XTest via xdotool).
bool clickAt(QPoint point) {
    return QProcess::execute(
               QStringLiteral("xdotool"),
               {QStringLiteral("mousemove"), QString::number(point.x()), QString::number(point.y()),
                QStringLiteral("click"), QStringLiteral("1")}) == 0;
}

class TrayDesktopTest : public ::testing::Test {
  protected:
    sim::SimPlatform sim;
    MouseController mouse{sim.poster, sim.screens};
    PSKeyboardController keyboard{sim.scheduler, sim.poster, sim.accessibility, sim.panels};
    ControllerManager manager{sim.platform(), mouse, keyboard};
    ui::PanelContext context{manager,           keyboard,      mouse,
                             sim.accessibility, sim.workspace, sim.languages};

    void SetUp() override {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) {
            GTEST_SKIP() << "needs an X display with a tray host (scripts/with-desktop.sh)";
        }
        if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()) {
            GTEST_SKIP() << "needs xdotool";
        }
    }
};

TEST_F(TrayDesktopTest, TheIconIsDockedAndAClickOpensThePanelBesideIt) {
    PanelHost host(new ui::ContentView(context, {}));
    int noTray = 0;
    TrayItem tray(manager, sim.languages,
                  {[&host](const QRect& anchor) { host.toggleAt(anchor); }, [&] { ++noTray; }, {}});
    tray.start();
    ASSERT_TRUE(waitFor(
        [&] {
            // The host sizes the icon's window after docking it.
            return QSystemTrayIcon::isSystemTrayAvailable() &&
                   tray.icon().geometry().width() >= 8 && tray.icon().geometry().height() >= 8;
        },
        8000))
        << "no tray host or the icon was not docked";
    waitFor([] { return false; }, 300);  // let the host paint it
    const QRect icon = tray.icon().geometry();
    std::fprintf(stderr, "tray icon at %d,%d %dx%d\n", icon.x(), icon.y(), icon.width(),
                 icon.height());
    const QString dir = QStringLiteral(JOYVANE_SCREENSHOT_DIR);
    QDir().mkpath(dir);
    QApplication::primaryScreen()->grabWindow(0).save(dir + QStringLiteral("/tray-icon.png"));

    ASSERT_TRUE(clickAt(icon.center()));
    ASSERT_TRUE(waitFor([&] { return host.isVisible(); }, 3000)) << "the click did not open it";
    EXPECT_EQ(host.size(), QSize(390, 620));
    EXPECT_LE(std::abs(host.geometry().center().x() - icon.center().x()), 390 / 2 + 1);
    EXPECT_TRUE(QApplication::primaryScreen()->geometry().contains(host.geometry()));
    waitFor([] { return false; }, 300);
    QApplication::primaryScreen()->grabWindow(0).save(dir + QStringLiteral("/tray-panel-open.png"));

    // A click elsewhere hides it.
    ASSERT_TRUE(clickAt(QPoint(100, 850)));
    EXPECT_TRUE(waitFor([&] { return !host.isVisible(); }, 3000));
    EXPECT_EQ(noTray, 0);
}

TEST_F(TrayDesktopTest, TheLabelFollowsTheEngineLive) {
    PanelHost host(new ui::ContentView(context, {}));
    TrayItem tray(manager, sim.languages, {});
    tray.start();
    EXPECT_EQ(tray.label().opacity, 0.4);
    auto controller = std::make_shared<sim::SimController>(
        sim::SimControllerSpec{"DualSense",
                               {},
                               true,
                               true,
                               true,
                               PhysicalProfile::dualSense,
                               BatteryReading{0.5f, BatteryState::charging}});
    sim.controllers.connect(controller);
    sim.scheduler.runQueued();
    manager.refreshBattery();
    ASSERT_TRUE(waitFor([&] { return tray.label().percent == "50%"; }, 2000));
    EXPECT_EQ(tray.label().controllerSymbol, "gamecontroller.fill");
    EXPECT_TRUE(tray.label().bolt);
    EXPECT_EQ(tray.label().opacity, 1.0);
    EXPECT_TRUE(tray.toolTip().contains(QStringLiteral("50%")));
    sim.controllers.disconnect(controller);
    sim.scheduler.runQueued();
    ASSERT_TRUE(waitFor([&] { return tray.label().opacity == 0.4; }, 2000));
    EXPECT_TRUE(tray.label().percent.empty());
}

}  // namespace
}  // namespace joyvane::app
