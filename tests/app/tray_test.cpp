#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QImage>

#include "app/tray_item.h"
#include "app/tray_label.h"
#include "engine/controller_manager.h"
#include "keyboard/ps_keyboard_controller.h"
#include "output/mouse_controller.h"
#include "platform/sim/sim_platform.h"

namespace joyvane::app {
namespace {

TEST(TrayLabel, FollowsConnectionControlAndBattery) {
    using S = BatteryState;
    struct Case {
        TrayState state;
        TrayLabel expected;
    };
    const Case cases[] = {
        {{false, true, S::charging, 0.5f}, {"gamecontroller", false, "", 0.4}},
        {{true, false, S::discharging, 0.8f}, {"gamecontroller", false, "80%", 1.0}},
        {{true, true, S::charging, 0.5f}, {"gamecontroller.fill", true, "50%", 1.0}},
        {{true, true, S::charging, std::nullopt}, {"gamecontroller.fill", true, "", 1.0}},
        {{true, true, S::full, 1.0f}, {"gamecontroller.fill", false, "100%", 1.0}},
    };
    for (const auto& c : cases) {
        const TrayLabel label = trayLabelFor(c.state);
        EXPECT_TRUE(label == c.expected) << label.controllerSymbol << " " << label.bolt << " "
                                         << label.percent << " " << label.opacity;
    }
}

int maxAlpha(const QPixmap& pixmap) {
    const QImage image = pixmap.toImage();
    int most = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            most = std::max(most, qAlpha(image.pixel(x, y)));
        }
    }
    return most;
}

TEST(TrayLabel, DrawnDimmedWhileDisconnected) {
    const QPixmap dim = renderTrayLabel(trayLabelFor({false, true, {}, {}}), 64);
    EXPECT_EQ(dim.size(), QSize(64, 64));
    EXPECT_EQ(maxAlpha(renderTrayLabel(trayLabelFor({true, true, {}, {}}), 64)), 255);
    EXPECT_NEAR(maxAlpha(dim), 102, 3);  // 40 %
}

// The offscreen platform has no tray at all: after the grace period the program is told once
// to show its window instead.
TEST(TrayItem, WithoutATrayHostItAsksForTheWindowOnce) {
    sim::SimPlatform sim;
    MouseController mouse{sim.poster, sim.screens};
    PSKeyboardController keyboard{sim.scheduler, sim.poster, sim.accessibility, sim.panels};
    ControllerManager manager{sim.platform(), mouse, keyboard};
    int noTray = 0;
    TrayItem tray(manager, sim.languages, {{}, [&] { ++noTray; }, {}});
    tray.start();
    auto runFor = [](int ms) {
        for (QDeadlineTimer deadline(ms); !deadline.hasExpired();) {
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        }
    };
    runFor(TrayItem::kGraceMs - 500);
    EXPECT_EQ(noTray, 0);
    runFor(1000 + TrayItem::kWatchMs);
    EXPECT_EQ(noTray, 1);
}

}  // namespace
}  // namespace joyvane::app
