#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTest>

#include "keyboard/ps_keyboard_controller.h"
#include "platform/sim/sim_platform.h"
#include "ui/controls/style.h"
#include "ui/keyboard_panel/keyboard_panel_window.h"
#include "ui/keyboard_panel/panel_placement.h"
#include "ui/keyboard_panel/ps_keyboard_view.h"

namespace joyvane::ui {
namespace {

struct KeyboardTest : ::testing::Test {
    sim::SimPlatform sim;
    PSKeyboardController kb{sim.scheduler, sim.poster, sim.accessibility, sim.panels};
    PSKeyboardView view{kb, sim.languages};

    // Changes reach the view on the next turn of the event loop.
    static void settle() { QApplication::processEvents(); }
};

// Shift changes only the Latin letters; the other layouts hide it, and back in Latin it returns
// in the state it kept.
TEST_F(KeyboardTest, LabelsFollowShiftAndLayout) {
    EXPECT_EQ(view.keyCell(1, 0)->label(), "q");
    kb.isUppercase = true;
    settle();
    EXPECT_EQ(view.keyCell(1, 0)->label(), "Q");
    EXPECT_EQ(view.keyCell(0, 0)->label(), "1");
    EXPECT_EQ(view.shiftButton()->foregroundColor(), colors::orange());
    kb.layout = KeyboardLayout::hebrew;
    settle();
    EXPECT_EQ(view.keyCell(1, 0)->label(), "פ");
    EXPECT_TRUE(view.shiftButton()->isHidden());
    kb.layout = KeyboardLayout::symbols;
    settle();
    EXPECT_EQ(view.keyCell(0, 0)->label(), "!");
    kb.layout = KeyboardLayout::latin;
    settle();
    EXPECT_FALSE(view.shiftButton()->isHidden());
    EXPECT_EQ(view.keyCell(1, 0)->label(), "Q");
}

TEST_F(KeyboardTest, CursorOnSpaceHighlightsOnlyTheSpaceKey) {
    kb.cursorRow = 4;
    kb.cursorCol = 1;
    settle();
    EXPECT_TRUE(view.controlKey(1)->isCursor());
    EXPECT_EQ(view.controlKey(1)->targetBackground(), colors::blue());
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 10; ++col) {
            EXPECT_FALSE(view.keyCell(row, col)->isCursor()) << row << "," << col;
        }
    }
    EXPECT_FALSE(view.controlKey(0)->isCursor());
}

TEST_F(KeyboardTest, HeaderButtonsChangeTheKeyboard) {
    kb.controllerConnected = true;
    kb.show();
    view.layoutButton()->click();
    EXPECT_EQ(kb.layout.get(), KeyboardLayout::hebrew);
    view.layoutButton()->click();
    view.layoutButton()->click();
    EXPECT_EQ(kb.layout.get(), KeyboardLayout::latin);
    view.shiftButton()->click();
    EXPECT_TRUE(kb.isUppercase.get());
    view.closeButton()->click();
    EXPECT_FALSE(kb.isVisible.get());
    EXPECT_TRUE(kb.userDismissed);
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
    sim.screens.setMainScreen(std::nullopt);
    const auto rect = keyboardPanelContentRect(sim.screens);
    EXPECT_EQ(*rect, (Rect{427, 41, 586, 234}));
    EXPECT_EQ(toGlobalDisplay(*rect, sim.screens), (Rect{427, 625, 586, 234}));  // y down

    QtKeyboardPanelFactory factory(sim.screens, sim.languages);
    PSKeyboardController kb{sim.scheduler, sim.poster, sim.accessibility, factory};
    kb.controllerConnected = true;
    kb.show();
    KeyboardPanelWindow* panel = factory.lastPanel();
    ASSERT_NE(panel, nullptr);
    const QRect frame = panel->geometry();
    EXPECT_EQ(frame.x(), 427);
    EXPECT_EQ(frame.width(), 586);
    EXPECT_EQ(frame.y() + frame.height(), 900 - 41);
    sim.screens.setScreens({{{0, 0, 1920, 1080}, {0, 0, 1920, 1080}}});
    kb.hidePanel();
    kb.show();
    EXPECT_EQ(factory.lastPanel(), panel);
    EXPECT_EQ(panel->geometry(), frame);
    sim.screens.setScreens({});
    EXPECT_FALSE(keyboardPanelContentRect(sim.screens).has_value());
}

// The keyboard is a keyboard in every interface language: keys, control row and cursor run left
// to right; only the header follows the reading direction.
struct KeyboardDirectionTest : ::testing::TestWithParam<const char*> {
    sim::SimPlatform sim;
    PSKeyboardController kb{sim.scheduler, sim.poster, sim.accessibility, sim.panels};

    std::unique_ptr<PSKeyboardView> shownView() {
        sim.languages.setLanguages({GetParam()});
        auto view = std::make_unique<PSKeyboardView>(kb, sim.languages);
        view->resize(view->sizeHint());
        view->show();
        QTest::qWait(200);  // lets the cursor's 80 ms highlight finish
        return view;
    }
    static int left(QWidget* w, QWidget* view) { return w->mapTo(view, QPoint()).x(); }
    static int right(QWidget* w, QWidget* view) { return left(w, view) + w->width(); }
};

TEST_P(KeyboardDirectionTest, KeysAndControlRowRunLeftToRightAndLineUp) {
    auto view = shownView();
    QWidget* v = view.get();
    for (int row = 0; row < 4; ++row) {
        EXPECT_LT(left(view->keyCell(row, 0), v), left(view->keyCell(row, 9), v)) << row;
    }
    EXPECT_LT(left(view->controlKey(0), v), left(view->controlKey(2), v));
    EXPECT_EQ(left(view->controlKey(0), v), left(view->keyCell(0, 0), v));
    EXPECT_EQ(right(view->controlKey(2), v), right(view->keyCell(0, 9), v));
    // The header reads in the interface direction: the layout button leads.
    const bool hebrew = std::string(GetParam()) == "he";
    EXPECT_EQ(left(view->layoutButton(), v) > left(view->closeButton(), v), hebrew);
}

TEST_P(KeyboardDirectionTest, CursorOnColumnZeroIsDrawnAtTheLeftEdge) {
    kb.cursorRow = 0;
    kb.cursorCol = 0;
    auto view = shownView();
    const QImage image = view->grab().toImage();
    const QColor blue = colors::blue();
    int blueCount = 0;
    int rightmost = 0;
    // Below the header, whose layout button is blue too.
    const int gridTop = view->keyCell(0, 0)->mapTo(view.get(), QPoint()).y() - 4;
    for (int y = gridTop; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - blue.red()) < 12 && std::abs(c.green() - blue.green()) < 12 &&
                std::abs(c.blue() - blue.blue()) < 12) {
                ++blueCount;
                rightmost = std::max(rightmost, x);
            }
        }
    }
    // Shadow margin 15 + padding 10 + one 50-point key, scaled up by 1.08 about its centre.
    EXPECT_GT(blueCount, 40 * 30);
    EXPECT_LT(rightmost, 15 + 10 + 50 + 3);
}

INSTANTIATE_TEST_SUITE_P(Languages, KeyboardDirectionTest, ::testing::Values("en", "he"));

}  // namespace
}  // namespace joyvane::ui
