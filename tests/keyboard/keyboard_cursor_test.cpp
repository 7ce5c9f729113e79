#include <gtest/gtest.h>

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

}  // namespace
}  // namespace joyvane
