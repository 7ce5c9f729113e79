#include "mapping/perform.h"

#include <cstdint>

#include "keyboard/ps_keyboard_controller.h"
#include "output/mouse_controller.h"

namespace joyvane {

namespace {

// A complete chord from one combined-session source: modifier down, key down and up with the
// modifier's flag, modifier up. The modifier never stays held between presses.
void postShortcut(EventPoster& poster, std::uint16_t modifierKey, std::uint64_t modifierFlag,
                  std::uint16_t key) {
    struct Step {
        std::uint16_t keyCode;
        bool down;
        std::uint64_t flags;
    };
    const Step steps[] = {
        {modifierKey, true, 0},
        {key, true, modifierFlag},
        {key, false, modifierFlag},
        {modifierKey, false, 0},
    };
    for (const Step& step : steps) {
        KeyEvent event;
        event.source = EventSourceState::combinedSession;
        event.keyCode = step.keyCode;
        event.down = step.down;
        event.flags = step.flags;
        poster.post(event);  // an event that cannot be made is skipped; the chord goes on
    }
}

void commandShortcut(MouseController& mouse, std::uint16_t key) {
    postShortcut(mouse.poster(), key_code::command, modifier_flag::command, key);
}

void controlShortcut(MouseController& mouse, std::uint16_t key) {
    postShortcut(mouse.poster(), key_code::control, modifier_flag::control, key);
}

void performClick(ButtonAction action, bool pressed, MouseController& mouse) {
    switch (action) {
        case ButtonAction::leftClick:
            mouse.isLeftDown = pressed;
            mouse.postMouseButton(
                pressed ? MouseEventType::leftMouseDown : MouseEventType::leftMouseUp,
                mouse_button::left);
            break;
        case ButtonAction::rightClick:
            mouse.isRightDown = pressed;
            mouse.postMouseButton(
                pressed ? MouseEventType::rightMouseDown : MouseEventType::rightMouseUp,
                mouse_button::right);
            break;
        case ButtonAction::middleClick:
            mouse.postMouseButton(
                pressed ? MouseEventType::otherMouseDown : MouseEventType::otherMouseUp,
                mouse_button::center);
            break;
        default:
            break;
    }
}

// Everything but the clicks acts on the press only.
void performPress(ButtonAction action, MouseController& mouse, PSKeyboardController& keyboard) {
    switch (action) {
        case ButtonAction::escape:
            mouse.sendKey(key_code::escape, 0);
            break;
        case ButtonAction::enter:
            mouse.sendKey(key_code::returnKey, 0);
            break;
        case ButtonAction::space:
            mouse.sendKey(key_code::space, 0);
            break;
        case ButtonAction::tab:
            mouse.sendKey(key_code::tab, 0);
            break;
        case ButtonAction::deleteKey:
            mouse.sendKey(key_code::deleteKey, 0);
            break;
        case ButtonAction::cmdCopy:
            commandShortcut(mouse, key_code::c);
            break;
        case ButtonAction::cmdPaste:
            commandShortcut(mouse, key_code::v);
            break;
        case ButtonAction::cmdUndo:
            commandShortcut(mouse, key_code::z);
            break;
        case ButtonAction::cmdCut:
            commandShortcut(mouse, key_code::x);
            break;
        case ButtonAction::cmdSelectAll:
            commandShortcut(mouse, key_code::a);
            break;
        case ButtonAction::cmdTab:
            commandShortcut(mouse, key_code::tab);
            break;
        case ButtonAction::spaceLeft:
            controlShortcut(mouse, key_code::leftArrow);
            break;
        case ButtonAction::spaceRight:
            controlShortcut(mouse, key_code::rightArrow);
            break;
        case ButtonAction::missionCtrl:
            mouse.sendKey(key_code::missionControl, 0);
            break;
        case ButtonAction::showKeyboard:
            keyboard.toggle();
            break;
        case ButtonAction::screenshot:
            mouse.sendKey(key_code::digit3, modifier_flag::shift | modifier_flag::command);
            break;
        case ButtonAction::none:
        case ButtonAction::toggleEnable:  // dispatch toggles control itself
        case ButtonAction::leftClick:
        case ButtonAction::rightClick:
        case ButtonAction::middleClick:
            break;
    }
}

bool isClick(ButtonAction action) {
    return action == ButtonAction::leftClick || action == ButtonAction::rightClick ||
           action == ButtonAction::middleClick;
}

}  // namespace

void perform(ButtonAction action, bool pressed, MouseController& mouse,
             PSKeyboardController& keyboard) {
    if (isClick(action)) {
        performClick(action, pressed, mouse);
    } else if (pressed) {
        performPress(action, mouse, keyboard);
    }
}

}  // namespace joyvane
