#include "engine/settings_keeper.h"

#include <utility>

#include "engine/controller_manager.h"
#include "engine/settings_document.h"

namespace joyvane {

SettingsKeeper::SettingsKeeper(ControllerManager& manager, Scheduler& scheduler, Write write,
                               double delay)
    : manager_(manager), scheduler_(scheduler), write_(std::move(write)), delay_(delay) {
    auto watch = [this](auto& signal) {
        subscriptions_.push_back(signal.connect([this](const auto&) { changed(); }));
    };
    watch(manager.sensitivity.willChange);
    watch(manager.scrollSensitivity.willChange);
    watch(manager.deadzone.willChange);
    watch(manager.acceleration.willChange);
    watch(manager.naturalScrolling.willChange);
    watch(manager.touchpadEnabled.willChange);
    watch(manager.touchpadSensitivity.willChange);
    watch(manager.autoEnableOnConnect.willChange);
    watch(manager.keyboardFeatureEnabledWillChange());
    watch(manager.buttonMap.willChange);
    watch(manager.comboMap.willChange);
}

SettingsKeeper::~SettingsKeeper() {
    if (timer_) {
        timer_->cancel();
    }
}

void SettingsKeeper::changed() {
    pending_ = true;
    if (timer_) {
        timer_->cancel();
    }
    // The change is announced before it is stored: the document is made when the timer fires.
    timer_ = scheduler_.runAfter(delay_, [this] { flush(); });
}

void SettingsKeeper::flush() {
    if (timer_) {
        timer_->cancel();
        timer_.reset();
    }
    if (!pending_) {
        return;
    }
    pending_ = false;
    write_(encodeSettings(recordOf(manager_)));
}

}  // namespace joyvane
