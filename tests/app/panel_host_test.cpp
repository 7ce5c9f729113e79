#include "app/panel_host.h"

#include <gtest/gtest.h>

namespace joyvane::app {
namespace {

const QSize kPanel(390, 620);

// Below an icon in the top half, above one in the bottom half, centred on it, and always on the
// icon's screen (the top-left part of a screen smaller than the panel).
TEST(DropDownGeometry, HangsFromTheIconAndStaysOnItsScreen) {
    const QRect screen(0, 0, 1440, 900);
    struct Case {
        QRect icon;
        QRect screen;
        QPoint topLeft;
    };
    const Case cases[] = {
        {{700, 0, 24, 24}, screen, {711 - 195, 24 + 4}},
        {{1416, 0, 24, 24}, screen, {1440 - 390, 28}},
        {{10, 876, 24, 24}, screen, {0, 876 - 4 - 620}},
        {{2700, 500, 1, 1}, {1440, 0, 1280, 1024}, {2720 - 390, 1024 - 620}},
        {{290, 0, 10, 10}, {0, 0, 300, 400}, {0, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(dropDownGeometry(c.icon, c.screen, kPanel), QRect(c.topLeft, kPanel))
            << c.icon.x();
    }
}

TEST(PanelHost, AClickThatJustClosedItDoesNotReopenAndWindowModeIsAnOrdinaryWindow) {
    auto* panel = new QWidget;  // the host owns it
    panel->setFixedSize(kPanel);
    PanelHost host(panel);
    const QRect anchor(700, 0, 24, 24);
    host.toggleAt(anchor);
    EXPECT_TRUE(host.isVisible());
    host.hide();  // as a click elsewhere does
    host.toggleAt(anchor);
    EXPECT_FALSE(host.isVisible());

    host.setWindowMode(true);
    EXPECT_TRUE(host.isVisible());
    EXPECT_FALSE(host.windowFlags().testFlag(Qt::Popup));
    host.setWindowMode(false);
    EXPECT_FALSE(host.isVisible());
    EXPECT_EQ(host.windowFlags() & Qt::WindowType_Mask, Qt::Popup);
}

}  // namespace
}  // namespace joyvane::app
