#include "keyboard/ps_keyboard_controller.h"
#include "keyboard/utf8.h"

namespace joyvane {

namespace {

// The character travels only in the event's Unicode string; the key code is always 0.
constexpr std::uint16_t kTextKeyCode = 0;

}  // namespace

// Each character becomes one key-down and one key-up carrying it. A character beyond the Basic
// Multilingual Plane travels as its surrogate pair in the same two events, so it is typed whole
// rather than cut to a lone surrogate. Bytes that are not valid UTF-8 are skipped.
void PSKeyboardController::typeRaw(const std::string& text) {
    for (char32_t scalar : decodeUtf8Scalars(text)) {
        std::u16string units = utf16Units(scalar);
        KeyEvent down{EventSourceState::combinedSession, kTextKeyCode, true, 0, units};
        KeyEvent up{EventSourceState::combinedSession, kTextKeyCode, false, 0, units};
        // An event that cannot be made is skipped; its partner is still posted.
        poster_.post(down);
        poster_.post(up);
    }
}

void PSKeyboardController::pressKey(std::uint16_t code) {
    poster_.post(KeyEvent{EventSourceState::combinedSession, code, true, 0, {}});
    poster_.post(KeyEvent{EventSourceState::combinedSession, code, false, 0, {}});
}

}  // namespace joyvane
