#include "engine/controller_manager.h"

namespace joyvane {

namespace {

constexpr std::size_t kBatteryHistoryLength = 20;

}  // namespace

void ControllerManager::recordBatteryReading(float level) {
    auto history = batteryHistory.get();
    history.push_back({platform_.scheduler.now(), level});
    batteryHistory = history;
    if (history.size() > kBatteryHistoryLength) {
        history.erase(history.begin());
        batteryHistory = std::move(history);
    }
}

void ControllerManager::pollBattery() {
    if (!controller_) {
        return;
    }
    auto reading = controller_->battery();
    if (!reading) {
        return;
    }
    if (!batteryLevel.get() || *batteryLevel.get() != reading->level) {
        batteryLevel = reading->level;
        recordBatteryReading(reading->level);
        batteryLastUpdated = platform_.scheduler.now();
    }
    if (!batteryState.get() || *batteryState.get() != reading->state) {
        batteryState = reading->state;
    }
}

void ControllerManager::refreshBattery() {
    if (!controller_) {
        return;
    }
    auto reading = controller_->battery();
    if (!reading) {
        return;
    }
    batteryLevel = reading->level;
    batteryState = reading->state;
    batteryLastUpdated = platform_.scheduler.now();
    recordBatteryReading(reading->level);
}

}  // namespace joyvane
