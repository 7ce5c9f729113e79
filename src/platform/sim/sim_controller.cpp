#include "platform/sim/sim_controller.h"

#include <algorithm>
#include <utility>

namespace joyvane::sim {

void SimButton::setPressedChangedHandler(PressedChangedHandler handler) {
    handler_ = std::move(handler);
    ++installs_;
}

void SimButton::setPressed(bool pressed) {
    if (pressed == pressed_) {
        return;
    }
    pressed_ = pressed;
    value_ = pressed ? 1.0f : 0.0f;
    if (handler_) {
        // Copy: the handler may replace itself.
        auto handler = handler_;
        handler(value_, pressed_);
    }
}

void SimPad::setValueChangedHandler(ValueChangedHandler handler) { handler_ = std::move(handler); }

void SimPad::setValue(float x, float y) {
    x_ = x;
    y_ = y;
    if (handler_) {
        auto handler = handler_;
        handler(x, y);
    }
}

SimController::SimController(SimControllerSpec spec) : spec_(std::move(spec)) {}

DirectionPad* SimController::touchpadPrimary() { return hasTouchpad() ? &touchpad_ : nullptr; }

ButtonInput* SimController::touchpadButton() {
    return hasTouchpad() ? &buttons_[static_cast<int>(SimElement::touchpadButton)] : nullptr;
}

ButtonInput* SimController::buttonOptions() {
    return spec_.hasOptionsButton ? &buttons_[static_cast<int>(SimElement::buttonOptions)]
                                  : nullptr;
}

ButtonInput* SimController::leftThumbstickButton() {
    return spec_.hasStickButtons ? &buttons_[static_cast<int>(SimElement::leftThumbstickButton)]
                                 : nullptr;
}

ButtonInput* SimController::rightThumbstickButton() {
    return spec_.hasStickButtons ? &buttons_[static_cast<int>(SimElement::rightThumbstickButton)]
                                 : nullptr;
}

void SimController::touch(float x, float y) {
    if (hasTouchpad()) {
        touchpad_.setValue(x, y);
    }
}

SimButton* SimController::element(SimElement which) {
    switch (which) {
        case SimElement::buttonOptions:
            return spec_.hasOptionsButton ? &buttons_[static_cast<int>(which)] : nullptr;
        case SimElement::leftThumbstickButton:
        case SimElement::rightThumbstickButton:
            return spec_.hasStickButtons ? &buttons_[static_cast<int>(which)] : nullptr;
        case SimElement::touchpadButton:
            return hasTouchpad() ? &buttons_[static_cast<int>(which)] : nullptr;
        default:
            return &buttons_[static_cast<int>(which)];
    }
}

void SimController::press(SimElement which) {
    if (SimButton* b = element(which)) {
        b->setPressed(true);
    }
}

void SimController::release(SimElement which) {
    if (SimButton* b = element(which)) {
        b->setPressed(false);
    }
}

std::vector<std::shared_ptr<Controller>> SimControllerService::controllers() const {
    return {list_.begin(), list_.end()};
}

Subscription SimControllerService::onDidConnect(ConnectHandler handler) {
    return connected_.connect(std::move(handler));
}

Subscription SimControllerService::onDidDisconnect(ConnectHandler handler) {
    return disconnected_.connect(std::move(handler));
}

void SimControllerService::addPresent(std::shared_ptr<SimController> controller) {
    list_.push_back(std::move(controller));
}

void SimControllerService::connect(std::shared_ptr<SimController> controller) {
    list_.push_back(controller);
    connected_.emit(controller);
}

void SimControllerService::disconnect(const std::shared_ptr<SimController>& controller) {
    std::erase(list_, controller);
    disconnected_.emit(controller);
}

void SimControllerService::postForeignConnectNotice() { connected_.emit(nullptr); }

}  // namespace joyvane::sim
