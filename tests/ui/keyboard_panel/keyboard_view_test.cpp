#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "keyboard/ps_keyboard_controller.h"
#include "platform/sim/sim_platform.h"
#include "ui/controls/reading_direction.h"
#include "ui/controls/style.h"
#include "ui/keyboard_panel/keyboard_panel_window.h"
#include "ui/keyboard_panel/ps_keyboard_view.h"

namespace joyvane::ui {
namespace {

struct KeyboardViewTest : ::testing::Test {
    sim::SimPlatform sim;
    PSKeyboardController kb{sim.scheduler, sim.poster, sim.accessibility, sim.panels};

    std::unique_ptr<PSKeyboardView> makeView() {
        auto view = std::make_unique<PSKeyboardView>(kb, sim.languages);
        view->resize(view->sizeHint());
        return view;
    }
    // Changes reach the view on the next turn of the event loop.
    static void settle() { QApplication::processEvents(); }
};

TEST_F(KeyboardViewTest, LatinLabelsFollowShift) {
    auto view = makeView();
    EXPECT_EQ(view->keyCell(1, 0)->label(), "q");
    EXPECT_EQ(view->keyCell(0, 0)->label(), "1");
    EXPECT_EQ(view->layoutButton()->labelText(), "EN");
    EXPECT_EQ(view->shiftButton()->labelText(), "abc");
    EXPECT_FALSE(view->shiftButton()->isHidden());
    EXPECT_EQ(view->shiftButton()->foregroundColor(), colors::secondary());
    EXPECT_EQ(view->controlKey(0)->label(), "עב");
    EXPECT_EQ(view->controlKey(1)->label(), "Space");
    EXPECT_EQ(view->controlKey(2)->label(), "✕");

    kb.isUppercase = true;
    settle();
    EXPECT_EQ(view->keyCell(1, 0)->label(), "Q");
    EXPECT_EQ(view->keyCell(3, 6)->label(), "M");
    EXPECT_EQ(view->keyCell(0, 0)->label(), "1");
    EXPECT_EQ(view->keyCell(2, 9)->label(), "⌫");
    EXPECT_EQ(view->keyCell(3, 9)->label(), "↵");
    EXPECT_EQ(view->shiftButton()->labelText(), "ABC");
    EXPECT_EQ(view->shiftButton()->foregroundColor(), colors::orange());
}

TEST_F(KeyboardViewTest, OtherLayoutsHideShiftAndNameTheNextLayout) {
    auto view = makeView();
    kb.isUppercase = true;
    kb.layout = KeyboardLayout::hebrew;
    settle();
    EXPECT_EQ(view->keyCell(1, 0)->label(), "פ");
    EXPECT_EQ(view->keyCell(3, 8)->label(), "ץ");
    EXPECT_EQ(view->layoutButton()->labelText(), "עב");
    EXPECT_TRUE(view->shiftButton()->isHidden());
    EXPECT_EQ(view->controlKey(0)->label(), "#+");

    kb.layout = KeyboardLayout::symbols;
    settle();
    EXPECT_EQ(view->keyCell(0, 0)->label(), "!");
    EXPECT_EQ(view->keyCell(3, 6)->label(), "—");
    EXPECT_EQ(view->layoutButton()->labelText(), "#+");
    EXPECT_TRUE(view->shiftButton()->isHidden());
    EXPECT_EQ(view->controlKey(0)->label(), "EN");

    // Back in Latin the Shift button returns in the state it kept.
    kb.layout = KeyboardLayout::latin;
    settle();
    EXPECT_FALSE(view->shiftButton()->isHidden());
    EXPECT_EQ(view->shiftButton()->labelText(), "ABC");
    EXPECT_EQ(view->keyCell(1, 0)->label(), "Q");
}

TEST_F(KeyboardViewTest, CursorOnSpaceHighlightsOnlyTheSpaceKey) {
    auto view = makeView();
    kb.cursorRow = 4;
    kb.cursorCol = 1;
    settle();
    KeyCell* space = view->controlKey(1);
    EXPECT_TRUE(space->isCursor());
    EXPECT_DOUBLE_EQ(space->targetScale(), 1.05);
    EXPECT_EQ(space->targetBackground(), colors::blue());
    EXPECT_EQ(space->targetForeground(), QColor(Qt::white));
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 10; ++col) {
            EXPECT_FALSE(view->keyCell(row, col)->isCursor()) << row << "," << col;
        }
    }
    EXPECT_FALSE(view->controlKey(0)->isCursor());
    // The growth is animated over 0.08 s and then rests at its end.
    QTest::qWait(200);
    EXPECT_NEAR(space->currentScale(), 1.05, 1e-9);
}

TEST_F(KeyboardViewTest, HeaderButtonsChangeTheKeyboard) {
    kb.controllerConnected = true;
    kb.show();
    auto view = makeView();
    view->layoutButton()->click();
    EXPECT_EQ(kb.layout.get(), KeyboardLayout::hebrew);
    view->layoutButton()->click();
    view->layoutButton()->click();
    EXPECT_EQ(kb.layout.get(), KeyboardLayout::latin);
    view->shiftButton()->click();
    EXPECT_TRUE(kb.isUppercase.get());
    view->closeButton()->click();
    EXPECT_FALSE(kb.isVisible.get());
    EXPECT_TRUE(kb.userDismissed);
}

TEST_F(KeyboardViewTest, HebrewHelpTextsReadRightToLeft) {
    sim.languages.setLanguages({"he-IL"});
    auto hebrew = makeView();
    EXPECT_EQ(hebrew->closeButton()->toolTip(), rightToLeft(QString::fromUtf8("סגור מקלדת (○)")));
}

TEST_F(KeyboardViewTest, SpaceKeyTakesTheRestOfTheRow) {
    auto view = makeView();
    view->show();
    EXPECT_EQ(view->keyCell(1, 0)->size(), QSize(50, 40));
    int row = view->controlKey(0)->width() + view->controlKey(1)->width() +
              view->controlKey(2)->width() + 2 * 4;
    EXPECT_EQ(row, 10 * 50 + 9 * 4);  // as wide as the key grid
}

}  // namespace
}  // namespace joyvane::ui
