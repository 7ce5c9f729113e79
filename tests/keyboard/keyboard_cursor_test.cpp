#include <gtest/gtest.h>

#include <vector>

#include "keyboard_test_support.h"

namespace joyvane {
namespace {

struct Step {
    int row, col, dx, dy, endRow, endCol;
};

TEST(KeyboardCursorTest, StepsWrapAndClampVerticalFirst) {
    const Step steps[] = {
        {0, 7, 0, -1, 4, 2},  // up from the top row lands on the close key
        {0, 1, 0, -1, 4, 1},  // ... keeping a column the control row has
        {4, 2, 0, 1, 0, 2},   // down from the control row wraps to the top, column kept
        {4, 0, 0, -1, 3, 0},  // up from the control row keeps its column
        {4, 0, -1, 0, 4, 2},  // left from the first control key
        {4, 2, 1, 0, 4, 0},   // right from the last control key
        {1, 9, 1, 0, 1, 0},   // right from the end of a character row
        {1, 0, -1, 0, 1, 9},  // left from its start
        {3, 9, 1, -1, 2, 0},  // up-right in one step
        {3, 5, 1, 1, 4, 0},   // diagonal into the control row: clamp to 2, then wrap right
        {3, 1, -1, 1, 4, 0},  // diagonal into the control row, left
        {2, 4, 0, 0, 2, 4},   // no step
    };
    for (const Step& s : steps) {
        test::KeyboardFixture f;
        f.kb.cursorRow = s.row;
        f.kb.cursorCol = s.col;
        f.kb.moveCursor(s.dx, s.dy);
        EXPECT_EQ(f.kb.cursorRow.get(), s.endRow)
            << s.row << "," << s.col << " by " << s.dx << "," << s.dy;
        EXPECT_EQ(f.kb.cursorCol.get(), s.endCol)
            << s.row << "," << s.col << " by " << s.dx << "," << s.dy;
    }
}

TEST(KeyboardCursorTest, StickThresholdIsStrictAndYPointsUp) {
    test::KeyboardFixture f;
    f.kb.feedStick(0.35f, -0.35f);
    EXPECT_EQ(f.kb.movePhase, MovePhase::idle);
    EXPECT_EQ(f.kb.cursorRow.get(), 1);
    EXPECT_EQ(f.kb.cursorCol.get(), 4);

    f.kb.feedStick(0.0f, 0.36f);  // up moves to the row above
    EXPECT_EQ(f.kb.cursorRow.get(), 0);
    EXPECT_EQ(f.kb.movePhase, MovePhase::firstMove);
    EXPECT_EQ(f.kb.lastDir, (std::pair{0, 1}));

    f.kb.feedStick(0.0f, 0.0f);
    EXPECT_EQ(f.kb.movePhase, MovePhase::idle);
    EXPECT_EQ(f.kb.lastDir, (std::pair{0, 1}));  // kept over a neutral sample

    f.kb.feedStick(-0.9f, -0.9f);  // down-left diagonal: one row and one column
    EXPECT_EQ(f.kb.cursorRow.get(), 1);
    EXPECT_EQ(f.kb.cursorCol.get(), 3);
}

// The input loop at 60 ticks a second, handing the held stick to the keyboard while it is
// visible, and the tick numbers at which the cursor moved.
class StickRepeatTest : public ::testing::Test {
  protected:
    void SetUp() override {
        f.kb.show();
        loop = f.sim.scheduler.runEvery(1.0 / 60.0, [this] {
            ++tick;
            if (f.kb.isVisible) {
                f.kb.feedStick(stickX, 0.0f);
            }
        });
        moves =
            f.kb.cursorCol.willChange.connect([this](const int&) { moveTicks.push_back(tick); });
    }
    void runTicks(int count) { f.sim.scheduler.advanceBy(count / 60.0 + 1e-6); }
    void expectRepeating(std::size_t from) {
        // The first repeat on the first tick at or after 0.35 s, then one every 0.12 s.
        ASSERT_GT(moveTicks.size(), from + 2);
        for (std::size_t i = from + 1; i < moveTicks.size(); ++i) {
            double gap = (moveTicks[i] - moveTicks[i - 1]) / 60.0;
            double delay = i == from + 1 && firstDelay ? PSKeyboardController::initialDelay
                                                       : PSKeyboardController::repeatInterval;
            EXPECT_GE(gap, delay - 1e-9) << "move " << i;
            // Clock readings are doubles: a due time that falls exactly on a tick may be met
            // one tick later.
            EXPECT_LE(gap, delay + 1.0 / 60.0 + 1e-9) << "move " << i;
        }
    }

    test::KeyboardFixture f;
    std::shared_ptr<ScheduledTask> loop;
    Subscription moves;
    int tick = 0;
    float stickX = 0.9f;
    bool firstDelay = true;
    std::vector<int> moveTicks;
};

TEST_F(StickRepeatTest, ChangeOfDirectionMovesAtOnceAndRestartsTheDelay) {
    runTicks(40);  // repeating by now
    ASSERT_EQ(f.kb.movePhase, MovePhase::repeating);
    stickX = -0.9f;
    moveTicks.clear();
    int changedAt = tick + 1;
    runTicks(40);
    EXPECT_EQ(moveTicks.front(), changedAt);
    expectRepeating(0);
}

TEST_F(StickRepeatTest, ShownAgainWhileRepeatingSkipsTheInitialDelay) {
    runTicks(40);
    ASSERT_EQ(f.kb.movePhase, MovePhase::repeating);
    f.kb.dismiss();
    runTicks(30);
    moveTicks.clear();
    f.kb.show();  // resets the cursor, not the repeat phase
    moveTicks.clear();
    int shownAt = tick + 1;
    runTicks(40);
    ASSERT_FALSE(moveTicks.empty());
    EXPECT_EQ(moveTicks.front(), shownAt);
    firstDelay = false;
    expectRepeating(0);
}

}  // namespace
}  // namespace joyvane
