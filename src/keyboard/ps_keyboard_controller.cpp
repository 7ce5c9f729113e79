#include "keyboard/ps_keyboard_controller.h"

#include "keyboard/utf8.h"

namespace joyvane {

PSKeyboardController::PSKeyboardController(Scheduler& scheduler, EventPoster& poster,
                                           AccessibilityService& accessibility,
                                           KeyboardPanelFactory& panels)
    : scheduler_(scheduler),
      poster_(poster),
      accessibility_(accessibility),
      panels_(panels),
      alive_(std::make_shared<PSKeyboardController*>(this)) {}

PSKeyboardController::~PSKeyboardController() {
    if (focusTimer_) {
        focusTimer_->cancel();
    }
    if (hideWorkItem_) {
        hideWorkItem_->cancel();
    }
    // Jobs already queued (a dismiss after a failed check) find the token expired.
    alive_.reset();
}

void PSKeyboardController::toggle() {
    if (isVisible) {
        dismiss();
    } else {
        userDismissed = false;
        show();
    }
}

void PSKeyboardController::show() {
    // With the feature off the keyboard cannot be opened by any means.
    if (!featureEnabled || !controllerConnected) {
        return;
    }
    if (!panel_) {
        panel_ = panels_.makePanel(*this);
    }
    cursorRow = 1;
    cursorCol = 4;
    isUppercase = false;
    isVisible = true;
    if (panel_) {
        panel_->orderFrontRegardless();
    }
}

void PSKeyboardController::dismiss() {
    userDismissed = true;
    hidePanel();
}

void PSKeyboardController::hidePanel() {
    isVisible = false;
    if (panel_) {
        panel_->orderOut();
    }
}

std::string PSKeyboardController::characterAt(int row, int col) const {
    if (row == kControlRow) {
        return std::string(controlCharacter(col));
    }
    if (row < 0 || row >= kCharacterRows || col < 0 || col >= kCharacterColumns) {
        return "";
    }
    return std::string(keysOf(layout)[row][col]);
}

std::string PSKeyboardController::displayChar(int row, int col) const {
    if (row == kControlRow) {
        return controlLabel(layout, col);
    }
    std::string c = characterAt(row, col);
    if (isUppercase && layout == KeyboardLayout::latin && decodeUtf8Scalars(c).size() == 1) {
        return uppercasedLatin(c);
    }
    return c;
}

void PSKeyboardController::selectCurrent() {
    std::string c = characterAt(cursorRow, cursorCol);
    if (c == kDeleteKey) {
        pressKey(key_code::deleteKey);
    } else if (c == kReturnKey) {
        pressKey(key_code::returnKey);
    } else if (c == kLayoutSwitchKey) {
        layout = nextLayout(layout);
    } else if (c == kSpaceKey) {
        typeRaw(" ");
    } else if (c == kCloseKey) {
        dismiss();
    } else {
        // Selecting never clears shift: it stays on until L1, the Shift button or the next show.
        if (isUppercase && layout == KeyboardLayout::latin) {
            c = uppercasedLatin(c);
        }
        typeRaw(c);
    }
}

}  // namespace joyvane
