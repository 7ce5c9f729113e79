#include <cmath>

#include "engine/controller_manager.h"
#include "engine/stick_response.h"
#include "keyboard/ps_keyboard_controller.h"
#include "output/mouse_controller.h"

namespace joyvane {

namespace {

constexpr double kTickInterval = 1.0 / 60.0;
constexpr std::int64_t kBatteryPollTicks = 300;

// A backend may hand over garbage; a non-finite axis reads as centred.
float finiteOrZero(float value) {
    return std::isfinite(value) ? value : 0.0f;
}

// Assigns only on change: every assignment notifies the observers, sixty times a second here.
void publishIfChanged(Published<float>& field, float value) {
    if (field.get() != value) {
        field = value;
    }
}

}  // namespace

void ControllerManager::startLoop() {
    if (timer_) {
        timer_->cancel();
    }
    timer_ = platform_.scheduler.runEvery(kTickInterval,
                                          weakly([](ControllerManager& self) { self.tick(); }));
}

bool ControllerManager::isLoopRunning() const {
    return timer_ && timer_->isActive();
}

void ControllerManager::tick() {
    if (!gamepad_) {
        return;
    }
    float lx = finiteOrZero(gamepad_->leftThumbstick().x());
    float ly = finiteOrZero(gamepad_->leftThumbstick().y());
    float rx = finiteOrZero(gamepad_->rightThumbstick().x());
    float ry = finiteOrZero(gamepad_->rightThumbstick().y());

    publishIfChanged(leftX, lx);
    publishIfChanged(leftY, ly);
    publishIfChanged(rightX, rx);
    publishIfChanged(rightY, ry);

    batteryTickCount_ += 1;
    if (batteryTickCount_ >= kBatteryPollTicks) {
        batteryTickCount_ = 0;
        pollBattery();
    }

    if (keyboard_.isVisible.get()) {
        keyboard_.feedStick(lx, ly);
        return;
    }
    if (!isEnabled_.get()) {
        return;
    }

    StickSettings settings{static_cast<float>(deadzone.get()),
                           static_cast<float>(sensitivity.get()),
                           static_cast<float>(acceleration.get()),
                           static_cast<float>(scrollSensitivity.get()), naturalScrolling.get()};
    if (auto motion = pointerMotion(lx, ly, settings)) {
        // Settings far outside the interface's ranges could overflow; never post that.
        if (std::isfinite(motion->x) && std::isfinite(motion->y)) {
            mouse_.move(motion->x, motion->y);
        }
    }
    if (auto wheel = scrollMotion(rx, ry, settings)) {
        if (std::isfinite(wheel->x) && std::isfinite(wheel->y)) {
            mouse_.scroll(wheel->x, wheel->y);
        }
    }
}

}  // namespace joyvane
