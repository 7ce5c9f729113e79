#include "engine/controller_manager.h"
#include "keyboard/ps_keyboard_controller.h"
#include "mapping/perform.h"
#include "output/mouse_controller.h"
#include "platform/event_poster.h"

namespace joyvane {

namespace {

// A d-pad axis counts only beyond half its travel.
constexpr float kDpadThreshold = 0.5f;

}  // namespace

void ControllerManager::setupButtonHandlers(ExtendedGamepad& gamepad) {
    bind(gamepad.buttonA(), ButtonID::cross);
    bind(gamepad.buttonB(), ButtonID::circle);
    bind(gamepad.buttonX(), ButtonID::square);
    bind(gamepad.buttonY(), ButtonID::triangle);
    bind(gamepad.leftShoulder(), ButtonID::l1);
    bind(gamepad.rightShoulder(), ButtonID::r1);
    bind(gamepad.leftTrigger(), ButtonID::l2);
    bind(gamepad.rightTrigger(), ButtonID::r2);
    bind(gamepad.buttonMenu(), ButtonID::options);
    if (ButtonInput* share = gamepad.buttonOptions()) {
        bind(*share, ButtonID::share);
    }
    // The stick clicks share the shoulder buttons' mapping, combos and held state.
    if (ButtonInput* leftStick = gamepad.leftThumbstickButton()) {
        bind(*leftStick, ButtonID::l1);
    }
    if (ButtonInput* rightStick = gamepad.rightThumbstickButton()) {
        bind(*rightStick, ButtonID::r1);
    }
    gamepad.dpad().setValueChangedHandler(
        weakly([](ControllerManager& self, float x, float y) { self.handleDpad(x, y); }));
}

void ControllerManager::bind(ButtonInput& button, ButtonID id) {
    button.setPressedChangedHandler(weakly(
        [id](ControllerManager& self, float, bool pressed) { self.handleButton(id, pressed); }));
}

void ControllerManager::handleButton(ButtonID id, bool pressed) {
    if (keyboard_.isVisible.get()) {
        if (pressed) {
            handleKeyboardButton(id);
        } else {
            // The keyboard ignores releases, but a click held since before it appeared must
            // not stay down, and a button let go no longer counts towards combos.
            heldButtons_.erase(id);
            releaseRememberedClick(id);
            releaseIfHeld(actionFor(buttonMap.get(), id));
        }
        return;
    }

    if (!pressed) {
        heldButtons_.erase(id);
        releaseRememberedClick(id);
        ButtonAction action = actionFor(buttonMap.get(), id);
        if (!isEnabled_.get()) {
            // Switching control off silences releases, except that a held click still lets go.
            releaseIfHeld(action);
            return;
        }
        if (action == ButtonAction::toggleEnable) {
            return;
        }
        performAction(action, false);
        return;
    }

    heldButtons_.insert(id);
    ButtonAction action = ButtonAction::none;
    std::optional<ComboID> matched;
    for (const auto& [combo, comboAction] : comboMap.get()) {
        if (comboAction == ButtonAction::none) {
            continue;
        }
        if (heldButtons_.contains(combo.a) && heldButtons_.contains(combo.b)) {
            action = comboAction;
            matched = combo;
            break;
        }
    }
    if (!matched) {
        action = actionFor(buttonMap.get(), id);
    }
    if (action == ButtonAction::toggleEnable) {
        scheduleToggle();
    } else if (isEnabled_.get()) {
        performAction(action, true);
        if (matched) {
            rememberClick(matched->a, action, matched->b);
            rememberClick(matched->b, action, matched->a);
        } else {
            rememberClick(id, action, std::nullopt);
        }
    }
}

void ControllerManager::rememberClick(ButtonID id, ButtonAction action,
                                      std::optional<ButtonID> partner) {
    if (action == ButtonAction::leftClick || action == ButtonAction::rightClick ||
        action == ButtonAction::middleClick) {
        pressedClicks_[id] = {action, partner};
    }
}

void ControllerManager::releaseRememberedClick(ButtonID id) {
    auto it = pressedClicks_.find(id);
    if (it == pressedClicks_.end()) {
        return;
    }
    PressedClick click = it->second;
    pressedClicks_.erase(it);
    if (click.partner) {
        pressedClicks_.erase(*click.partner);
    }
    // When the button still maps to the same click, its own release lets go as usual.
    if (click.partner || click.action != actionFor(buttonMap.get(), id)) {
        releaseIfHeld(click.action);
    }
}

void ControllerManager::scheduleToggle() {
    // One turn later, so that it also runs while control is off.
    platform_.scheduler.post(weakly([](ControllerManager& self) {
        self.setEnabled(!self.isEnabled_.get());
        self.keyboard_.controllerEnabled = self.isEnabled_.get();
    }));
}

void ControllerManager::handleKeyboardButton(ButtonID id) {
    switch (id) {
        case ButtonID::cross:
            keyboard_.selectCurrent();
            break;
        case ButtonID::circle:
            keyboard_.dismiss();
            break;
        case ButtonID::square:
            keyboard_.typeRaw(" ");
            break;
        case ButtonID::triangle:
            keyboard_.pressKey(key_code::deleteKey);
            break;
        case ButtonID::l1:
            keyboard_.isUppercase = !keyboard_.isUppercase.get();
            break;
        case ButtonID::r1:
            keyboard_.layout = nextLayout(keyboard_.layout.get());
            break;
        case ButtonID::options:
            keyboard_.pressKey(key_code::returnKey);
            break;
        case ButtonID::l2:
        case ButtonID::r2:
        case ButtonID::share:
        case ButtonID::touchpad:
            break;
    }
}

void ControllerManager::handleDpad(float x, float y) {
    if (!keyboard_.isVisible.get()) {
        return;
    }
    int dx = x > kDpadThreshold ? 1 : (x < -kDpadThreshold ? -1 : 0);
    // Keyboard rows count downwards.
    int dy = y > kDpadThreshold ? -1 : (y < -kDpadThreshold ? 1 : 0);
    if (dx == 0 && dy == 0) {
        return;
    }
    keyboard_.moveCursor(dx, dy);
    keyboard_.movePhase = MovePhase::idle;
}

void ControllerManager::performAction(ButtonAction action, bool pressed) {
    perform(action, pressed, mouse_, keyboard_);
    if (action == ButtonAction::middleClick) {
        middleClickDown_ = pressed;
    }
}

void ControllerManager::releaseIfHeld(ButtonAction action) {
    bool held = (action == ButtonAction::leftClick && mouse_.isLeftDown) ||
                (action == ButtonAction::rightClick && mouse_.isRightDown) ||
                (action == ButtonAction::middleClick && middleClickDown_);
    if (held) {
        performAction(action, false);
    }
}

void ControllerManager::releaseHeldClicks() {
    releaseIfHeld(ButtonAction::leftClick);
    releaseIfHeld(ButtonAction::rightClick);
    releaseIfHeld(ButtonAction::middleClick);
    heldButtons_.clear();
    pressedClicks_.clear();
}

}  // namespace joyvane
