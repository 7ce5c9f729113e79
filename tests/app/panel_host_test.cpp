#include "app/panel_host.h"

#include <gtest/gtest.h>

namespace joyvane::app {
namespace {

const QRect kScreen(0, 0, 1440, 900);
const QSize kPanel(390, 620);

TEST(DropDownGeometry, HangsBelowAnIconAtTheTopCentredOnIt) {
    const QRect frame = dropDownGeometry(QRect(700, 0, 24, 24), kScreen, kPanel);
    EXPECT_EQ(frame.size(), kPanel);
    EXPECT_GT(frame.top(), 23);
    EXPECT_LE(std::abs(frame.center().x() - QRect(700, 0, 24, 24).center().x()), 1);
}

TEST(DropDownGeometry, StaysOnScreenAtTheRightEdge) {
    const QRect frame = dropDownGeometry(QRect(1416, 0, 24, 24), kScreen, kPanel);
    EXPECT_EQ(frame.right(), kScreen.right());
    EXPECT_TRUE(kScreen.contains(frame));
}

TEST(DropDownGeometry, RisesAboveAnIconAtTheBottom) {
    const QRect icon(10, 876, 24, 24);
    const QRect frame = dropDownGeometry(icon, kScreen, kPanel);
    EXPECT_LT(frame.bottom(), icon.top());
    EXPECT_EQ(frame.left(), 0);
    EXPECT_TRUE(kScreen.contains(frame));
}

TEST(DropDownGeometry, ASecondScreenIsRespected) {
    const QRect right(1440, 0, 1280, 1024);
    const QRect frame = dropDownGeometry(QRect(2700, 500, 1, 1), right, kPanel);
    EXPECT_TRUE(right.contains(frame));
}

TEST(DropDownGeometry, AScreenSmallerThanThePanelShowsItsTopLeft) {
    const QRect tiny(0, 0, 300, 400);
    const QRect frame = dropDownGeometry(QRect(290, 0, 10, 10), tiny, kPanel);
    EXPECT_EQ(frame.topLeft(), QPoint(0, 0));
}

TEST(PanelHost, ClickTogglesAndAClickThatJustClosedItDoesNotReopen) {
    auto* panel = new QWidget;  // the host owns it
    panel->setFixedSize(kPanel);
    PanelHost host(panel);
    const QRect anchor(700, 0, 24, 24);
    host.toggleAt(anchor);
    EXPECT_TRUE(host.isVisible());
    EXPECT_EQ(host.size(), kPanel);
    host.hide();  // as a click elsewhere does
    host.toggleAt(anchor);
    EXPECT_FALSE(host.isVisible());
}

TEST(PanelHost, WindowModeShowsAnOrdinaryWindow) {
    auto* panel = new QWidget;  // the host owns it
    panel->setFixedSize(kPanel);
    PanelHost host(panel);
    host.setWindowMode(true);
    EXPECT_TRUE(host.isVisible());
    EXPECT_FALSE(host.windowFlags().testFlag(Qt::Popup));
    EXPECT_EQ(host.windowTitle(), "Joyvane");
    host.setWindowMode(false);
    EXPECT_FALSE(host.isVisible());
    EXPECT_EQ(host.windowFlags() & Qt::WindowType_Mask, Qt::Popup);
}

}  // namespace
}  // namespace joyvane::app
