#include "engine/controller_manager.h"

#include "core/language.h"
#include "keyboard/ps_keyboard_controller.h"
#include "output/mouse_controller.h"

namespace joyvane {

namespace {

constexpr double kAccessibilityRefreshInterval = 2.0;

const char* noControllerText(bool hebrew) {
    return localized(hebrew, "No controller connected", "אין שלט מחובר");
}

}  // namespace

ControllerManager::ControllerManager(const Platform& platform, MouseController& mouse,
                                     PSKeyboardController& keyboard)
    : isConnected(this, false),
      controllerName(this, noControllerText(isHebrew(platform.languages))),
      controllerType(this, ControllerType::none),
      accessibility(this, platform.accessibility.isProcessTrusted()),
      hasTouchpad(this, false),
      sensitivity(this, 10.0),
      scrollSensitivity(this, 4.0),
      deadzone(this, 0.12),
      acceleration(this, 1.6),
      naturalScrolling(this, false),
      touchpadEnabled(this, true),
      touchpadSensitivity(this, 350.0),
      autoEnableOnConnect(this, true),
      launchAtLogin(this, platform.workspace.isLaunchAtLoginRegistered()),
      buttonMap(this, defaultButtonMap()),
      batteryLevel(this, std::nullopt),
      batteryState(this, std::nullopt),
      batteryHistory(this, {}),
      batteryLastUpdated(this, std::nullopt),
      comboMap(this, defaultComboMap()),
      leftX(this, 0.0f),
      leftY(this, 0.0f),
      rightX(this, 0.0f),
      rightY(this, 0.0f),
      platform_(platform),
      mouse_(mouse),
      keyboard_(keyboard),
      isEnabled_(this, true),
      keyboardFeatureEnabled_(this, true),
      alive_(std::make_shared<ControllerManager*>(this)) {
    ControllerService& service = platform_.controllers;
    service.setShouldMonitorBackgroundEvents(true);
    connectObserver_ = service.onDidConnect(
        weakly([](ControllerManager& self, const std::shared_ptr<Controller>& controller) {
            self.didConnect(controller);
        }));
    disconnectObserver_ = service.onDidDisconnect(
        weakly([](ControllerManager& self, const std::shared_ptr<Controller>& controller) {
            self.didDisconnect(controller);
        }));
    service.startWirelessControllerDiscovery();
    if (auto first = firstConnectedController()) {
        attach(first);
    }
    // A controller may finish connecting just after start without a notice of its own.
    retryTask_ =
        platform_.scheduler.runAfter(1.0, weakly([](ControllerManager& self) {
                                         if (!self.isConnected.get()) {
                                             if (auto first = self.firstConnectedController()) {
                                                 self.attach(first);
                                             }
                                         }
                                     }));
    // Trust can be granted or withdrawn at any time in the system settings.
    accessibilityTimer_ = platform_.scheduler.runEvery(
        kAccessibilityRefreshInterval, weakly([](ControllerManager& self) {
            self.platform_.scheduler.post(self.weakly([](ControllerManager& me) {
                me.accessibility = me.platform_.accessibility.isProcessTrusted();
            }));
        }));
}

ControllerManager::~ControllerManager() {
    alive_.reset();
    for (auto* task : {&timer_, &retryTask_, &accessibilityTimer_}) {
        if (*task) {
            (*task)->cancel();
        }
    }
}

void ControllerManager::setEnabled(bool enabled) {
    isEnabled_ = enabled;
    keyboard_.controllerEnabled = isEnabled_.get();
}

void ControllerManager::setKeyboardFeatureEnabled(bool enabled) {
    keyboardFeatureEnabled_ = enabled;
    keyboard_.featureEnabled = enabled;
    if (enabled && isConnected.get()) {
        keyboard_.startFocusMonitoring();
    } else {
        keyboard_.stopFocusMonitoring();
    }
}

void ControllerManager::resetSettings() {
    sensitivity = 10.0;
    scrollSensitivity = 4.0;
    deadzone = 0.12;
    acceleration = 1.6;
    naturalScrolling = false;
    touchpadEnabled = true;
    touchpadSensitivity = 350.0;
}

void ControllerManager::setLaunchAtLogin(bool enabled) {
    // A registration that failed leaves the switch as it was (assigned all the same, so the
    // switch that was just flipped shows the truth again).
    bool done = platform_.workspace.setLaunchAtLogin(enabled);
    launchAtLogin = done ? enabled : launchAtLogin.get();
}

std::string ControllerManager::noControllerName() const {
    return noControllerText(isHebrew(platform_.languages));
}

}  // namespace joyvane
