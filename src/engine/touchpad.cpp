#include <cmath>

#include "engine/controller_manager.h"
#include "output/mouse_controller.h"

namespace joyvane {

namespace {

// Reports closer together than this continue a stroke; a longer pause starts a new one.
constexpr double kStrokeGap = 0.08;

}  // namespace

void ControllerManager::setupTouchpad(Controller& controller) {
    DirectionPad* surface = nullptr;
    ButtonInput* button = nullptr;
    PhysicalProfile profile = controller.physicalProfile();
    if (profile == PhysicalProfile::dualSense || profile == PhysicalProfile::dualShock) {
        surface = controller.touchpadPrimary();
        button = controller.touchpadButton();
    }
    bool found = surface != nullptr;
    platform_.scheduler.post(
        weakly([found](ControllerManager& self) { self.hasTouchpad = found; }));
    if (surface) {
        surface->setValueChangedHandler(
            weakly([](ControllerManager& self, float x, float y) { self.handleTouch(x, y); }));
    }
    if (button) {
        bind(*button, ButtonID::touchpad);
    }
}

void ControllerManager::handleTouch(float x, float y) {
    if (!touchpadEnabled.get() || !isEnabled_.get()) {
        return;
    }
    // A backend may hand over garbage; a non-finite coordinate reads as the centre.
    x = std::isfinite(x) ? x : 0.0f;
    y = std::isfinite(y) ? y : 0.0f;

    Time now = platform_.scheduler.now();
    double gap = now - lastTouchTime_;
    lastTouchTime_ = now;
    if (gap < kStrokeGap) {
        double scale = touchpadSensitivity.get();
        double dx = static_cast<double>(x - lastTouchX_) * scale;
        double dy = -(scale * static_cast<double>(y - lastTouchY_));
        if (std::isfinite(dx) && std::isfinite(dy)) {
            mouse_.move(dx, dy);
        }
    }
    lastTouchX_ = x;
    lastTouchY_ = y;
}

}  // namespace joyvane
