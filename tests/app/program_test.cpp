#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QProcess>

#include "app/tray_item.h"
#include "engine/controller_manager.h"
#include "keyboard/ps_keyboard_controller.h"
#include "output/mouse_controller.h"
#include "platform/sim/sim_platform.h"

namespace joyvane::app {
namespace {

TEST(Program, WithoutAnXDisplayItSaysSoInOneSentenceAndExitsWithOne) {
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(JOYVANE_PROGRAM), {});
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 1);
    const QByteArray said = program.readAllStandardError().trimmed();
    EXPECT_TRUE(said.startsWith("joyvane: ")) << said.constData();
    EXPECT_FALSE(said.contains('\n')) << said.constData();
}

TEST(TrayItem, WithoutATrayHostItAsksForTheWindowAfterTheGracePeriod) {
    // The offscreen platform has no tray at all.
    sim::SimPlatform sim;
    MouseController mouse{sim.poster, sim.screens};
    PSKeyboardController keyboard{sim.scheduler, sim.poster, sim.accessibility, sim.panels};
    ControllerManager manager{sim.platform(), mouse, keyboard};
    int noTray = 0;
    TrayItem tray(manager, sim.languages, {{}, [&] { ++noTray; }, {}});
    tray.start();
    QDeadlineTimer early(TrayItem::kGraceMs - 500);
    while (!early.hasExpired()) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    EXPECT_EQ(noTray, 0);
    QDeadlineTimer late(1500);
    while (!late.hasExpired() && noTray == 0) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    EXPECT_EQ(noTray, 1);
    // Told once, not at every later look.
    QDeadlineTimer again(TrayItem::kWatchMs + 300);
    while (!again.hasExpired()) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    EXPECT_EQ(noTray, 1);
}

}  // namespace
}  // namespace joyvane::app
