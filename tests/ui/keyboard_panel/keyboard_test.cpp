#include <QTest>

#include "../ui_fixture.h"
#include "shown_panel.h"
#include "ui/keyboard_panel/panel_placement.h"
#include "ui/keyboard_panel/ps_keyboard_view.h"

namespace joyvane::ui {
namespace {

using KeyboardTest = test::UiTest;

// The header's buttons change the keyboard and the labels follow: shift changes only the Latin
// letters; the other layouts hide it, and back in Latin it returns in the state it kept.
TEST_F(KeyboardTest, HeaderButtonsChangeTheKeyboardAndTheLabelsFollow) {
    PSKeyboardView keys(keyboard, sim.languages);
    keyboard.controllerConnected = true;
    keyboard.show();
    EXPECT_EQ(keys.keyCell(1, 0)->label(), "q");
    keys.shiftButton()->click();
    settle();
    EXPECT_EQ(keys.keyCell(1, 0)->label(), "Q");
    EXPECT_EQ(keys.keyCell(0, 0)->label(), "1");
    EXPECT_EQ(keys.shiftButton()->foregroundColor(), colors::orange());
    keys.layoutButton()->click();
    settle();
    EXPECT_EQ(keys.keyCell(1, 0)->label(), "פ");
    EXPECT_TRUE(keys.shiftButton()->isHidden());
    keys.layoutButton()->click();
    settle();
    EXPECT_EQ(keys.keyCell(0, 0)->label(), "!");
    keys.layoutButton()->click();
    settle();
    EXPECT_FALSE(keys.shiftButton()->isHidden());
    EXPECT_EQ(keys.keyCell(1, 0)->label(), "Q");
    keys.closeButton()->click();
    EXPECT_FALSE(keyboard.isVisible.get());
    EXPECT_TRUE(keyboard.userDismissed);
}

// Centred 16 points above the bottom of the main screen's work area (else the first screen's),
// built once and never moved.
TEST(KeyboardPanelPlacement, CentredAboveTheBottomOfTheMainScreen) {
    sim::SimPlatform sim;
    const Screen first{{0, 0, 1440, 900}, {0, 25, 1440, 850}};
    const Screen second{{1440, 0, 1280, 1024}, {1440, 0, 1280, 1000}};
    sim.screens.setScreens({first, second});
    sim.screens.setMainScreen(second);
    EXPECT_EQ(*keyboardPanelContentRect(sim.screens), (Rect{1440 + 640 - 293, 16, 586, 234}));
    sim.screens.setMainScreen(std::nullopt);  // the first screen's work area, as the window shows
    test::ShownPanel shown{sim};
    KeyboardPanelWindow* panel = shown.window;
    ASSERT_NE(panel, nullptr);
    const QRect frame = panel->geometry();
    EXPECT_EQ(frame.x(), 427);
    EXPECT_EQ(frame.width(), 586);
    EXPECT_EQ(frame.y() + frame.height(), 900 - 41);
    sim.screens.setScreens({{{0, 0, 1920, 1080}, {0, 0, 1920, 1080}}});
    shown.keyboard.hidePanel();
    EXPECT_EQ(shown.open(), panel);
    EXPECT_EQ(panel->geometry(), frame);
    sim.screens.setScreens({});
    EXPECT_FALSE(keyboardPanelContentRect(sim.screens).has_value());
}

// The keyboard is a keyboard in every interface language: keys, control row and cursor run left
// to right; only the header follows the reading direction (the layout button leads).
TEST_F(KeyboardTest, KeysControlRowAndCursorRunLeftToRightInBothLanguages) {
    keyboard.cursorRow = 0;
    keyboard.cursorCol = 0;
    for (const bool hebrew : {false, true}) {
        SCOPED_TRACE(hebrew);
        sim.languages.setLanguages({hebrew ? "he" : "en"});
        PSKeyboardView shown(keyboard, sim.languages);
        shown.resize(shown.sizeHint());
        shown.show();
        QTest::qWait(200);  // lets the cursor's 80 ms highlight finish
        auto left = [&](QWidget* w) { return w->mapTo(&shown, QPoint()).x(); };
        auto right = [&](QWidget* w) { return left(w) + w->width(); };
        for (int row = 0; row < 4; ++row) {
            EXPECT_LT(left(shown.keyCell(row, 0)), left(shown.keyCell(row, 9))) << row;
        }
        EXPECT_EQ(left(shown.controlKey(0)), left(shown.keyCell(0, 0)));
        EXPECT_EQ(right(shown.controlKey(2)), right(shown.keyCell(0, 9)));
        EXPECT_EQ(left(shown.layoutButton()) > left(shown.closeButton()), hebrew);
        EXPECT_GT(test::pixelsNear(shown.keyCell(0, 0), colors::blue(), 12), 40 * 30);
        EXPECT_EQ(test::pixelsNear(shown.keyCell(0, 9), colors::blue(), 12), 0);
    }
}

}  // namespace
}  // namespace joyvane::ui
