#include <algorithm>

#include "keyboard/ps_keyboard_controller.h"

namespace joyvane {

namespace {

// A stick axis counts only beyond this value; exactly the threshold is neutral.
constexpr float kStickThreshold = 0.35f;

int quantise(float value) {
    if (value > kStickThreshold) {
        return 1;
    }
    if (value < -kStickThreshold) {
        return -1;
    }
    return 0;
}

int wrap(int value, int count) {
    return ((value % count) + count) % count;
}

}  // namespace

// A held direction moves at once, again after initialDelay, then every repeatInterval; a change
// of direction moves at once and starts the initial delay again.
void PSKeyboardController::feedStick(float dx, float dy) {
    std::pair<int, int> dir{quantise(dx), quantise(dy)};
    if (dir == std::pair{0, 0}) {
        movePhase = MovePhase::idle;
        return;
    }
    Time now = scheduler_.now();
    // Rows count downward while the stick's y points up.
    auto step = [&] { moveCursor(dir.first, -dir.second); };
    switch (movePhase) {
        case MovePhase::idle:
            step();
            lastDir = dir;
            lastMoveTime = now;
            movePhase = MovePhase::firstMove;
            break;
        case MovePhase::firstMove:
            if (dir != lastDir) {
                step();
                lastDir = dir;
                lastMoveTime = now;
            } else if (now - lastMoveTime >= initialDelay) {
                step();
                lastMoveTime = now;
                movePhase = MovePhase::repeating;
            }
            break;
        case MovePhase::repeating:
            if (dir != lastDir) {
                step();
                lastDir = dir;
                lastMoveTime = now;
                movePhase = MovePhase::firstMove;
            } else if (now - lastMoveTime >= repeatInterval) {
                step();
                lastMoveTime = now;
            }
            break;
    }
}

// The vertical step comes first, so a diagonal into the control row clamps the column before
// moving it; leaving the control row keeps its column.
void PSKeyboardController::moveCursor(int dx, int dy) {
    if (dy != 0) {
        int row = wrap(cursorRow + dy, kControlRow + 1);
        cursorRow = row;
        if (row == kControlRow) {
            cursorCol = std::min(cursorCol.get(), kControlKeys - 1);
        } else if (cursorCol >= kCharacterColumns) {
            cursorCol = kCharacterColumns - 1;
        }
    }
    if (dx != 0) {
        int count = cursorRow == kControlRow ? kControlKeys : kCharacterColumns;
        cursorCol = wrap(cursorCol + dx, count);
    }
}

}  // namespace joyvane
