#include "platform/linux/sdl/gamepad_elements.h"

#include <utility>

namespace joyvane::linux_input {

namespace {

// Calls a copy, so a handler may replace itself while it runs.
template <typename Handler, typename... Args>
void notify(const Handler& handler, Args... args) {
    if (handler) {
        Handler copy = handler;
        copy(args...);
    }
}

}  // namespace

void DigitalButton::setPressedChangedHandler(PressedChangedHandler handler) {
    handler_ = std::move(handler);
}

void DigitalButton::setPressed(bool pressed) {
    if (pressed == pressed_) {
        return;
    }
    pressed_ = pressed;
    notify(handler_, value(), pressed_);
}

void AnalogTrigger::setPressedChangedHandler(PressedChangedHandler handler) {
    handler_ = std::move(handler);
}

void AnalogTrigger::setValue(float value) {
    value_ = value;
    if (threshold_.update(value)) {
        notify(handler_, value_, threshold_.pressed());
    }
}

void Pad::setValueChangedHandler(ValueChangedHandler handler) {
    handler_ = std::move(handler);
}

void Pad::setValue(float x, float y, bool always) {
    if (!always && x == x_ && y == y_) {
        return;
    }
    x_ = x;
    y_ = y;
    notify(handler_, x_, y_);
}

}  // namespace joyvane::linux_input
