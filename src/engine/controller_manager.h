#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/published.h"
#include "core/scheduler.h"
#include "mapping/controller_type.h"
#include "mapping/maps.h"
#include "platform/platform.h"

namespace joyvane {

class MouseController;
class PSKeyboardController;

struct BatteryHistoryEntry {
    Time time;
    float level;
    friend bool operator==(const BatteryHistoryEntry&, const BatteryHistoryEntry&) = default;
};

// The engine: the attached controller, every setting, the input loop, touchpad, button dispatch
// and battery tracking. One instance lives for the whole run; observers (the tray item, the
// panels, the simulator) read and bind its published values.
class ControllerManager : public ObservableObject {
  public:
    using ControllerType = joyvane::ControllerType;

    // Runs the creation steps: background monitoring, notices, discovery, attaching the first
    // present controller, the 1-second retry and the 2-second accessibility refresh.
    ControllerManager(const Platform& platform, MouseController& mouse,
                      PSKeyboardController& keyboard);
    ~ControllerManager();

    // Published state, in declaration order. Settings are written directly by the interface,
    // except isEnabled and keyboardFeatureEnabled, which go through their setters.
    Published<bool> isConnected;
    Published<std::string> controllerName;
    Published<ControllerType> controllerType;
    const Published<bool>& isEnabled() const { return isEnabled_; }
    Published<bool> accessibility;
    Published<bool> hasTouchpad;
    Published<double> sensitivity;
    Published<double> scrollSensitivity;
    Published<double> deadzone;
    Published<double> acceleration;
    Published<bool> naturalScrolling;
    Published<bool> touchpadEnabled;
    Published<double> touchpadSensitivity;
    Published<bool> autoEnableOnConnect;
    Published<bool> launchAtLogin;
    const Published<bool>& keyboardFeatureEnabled() const { return keyboardFeatureEnabled_; }
    Published<ButtonMap> buttonMap;
    Published<std::optional<float>> batteryLevel;
    Published<std::optional<BatteryState>> batteryState;
    Published<std::vector<BatteryHistoryEntry>> batteryHistory;
    Published<std::optional<Time>> batteryLastUpdated;
    Published<ComboMap> comboMap;
    Published<float> leftX;
    Published<float> leftY;
    Published<float> rightX;
    Published<float> rightY;

    // Observers of the two settings that are written through their setters.
    Signal<const bool&>& isEnabledWillChange() { return isEnabled_.willChange; }
    Signal<const bool&>& keyboardFeatureEnabledWillChange() {
        return keyboardFeatureEnabled_.willChange;
    }

    // Stores the value, then tells the keyboard (controllerEnabled).
    void setEnabled(bool enabled);
    // Tells the keyboard (featureEnabled), then starts or stops focus monitoring.
    void setKeyboardFeatureEnabled(bool enabled);
    // Restores the seven pointer, scroll and touchpad settings; nothing else.
    void resetSettings();
    void setLaunchAtLogin(bool enabled);

    void attach(const std::shared_ptr<Controller>& controller);
    // The explicit refresh of the information tab: always records.
    void refreshBattery();

    // The first connected controller, for the reconnect control; null when none.
    std::shared_ptr<Controller> firstConnectedController() const;

    static const ButtonMap& defaultButtonMap() { return joyvane::defaultButtonMap(); }
    static const ComboMap& defaultComboMap() { return joyvane::defaultComboMap(); }
    static const std::array<ComboID, 6>& availableCombos() { return joyvane::availableCombos(); }

    // Working state, readable by tests.
    const std::set<ButtonID>& heldButtons() const { return heldButtons_; }
    std::int64_t batteryTickCount() const { return batteryTickCount_; }
    bool isLoopRunning() const;
    const std::shared_ptr<Controller>& controller() const { return controller_; }

    // One pass of the input loop, for the tick benchmark only; the loop's timer is the one
    // caller in the program.
    void tickForBenchmark() { tick(); }

  private:
    // Each concern lives in its own source file: state and settings, loop, connection,
    // touchpad, dispatch, battery.
    void didConnect(const std::shared_ptr<Controller>& controller);
    void didDisconnect(const std::shared_ptr<Controller>& controller);
    void startLoop();
    void tick();
    void pollBattery();
    void setupButtonHandlers(ExtendedGamepad& gamepad);
    void bind(ButtonInput& button, ButtonID id);
    void handleButton(ButtonID id, bool pressed);
    void handleKeyboardButton(ButtonID id);
    void handleDpad(float x, float y);
    void scheduleToggle();
    void setupTouchpad(Controller& controller);
    void handleTouch(float x, float y);
    std::string noControllerName() const;

    // Performs an action and keeps track of a held middle click, which has no flag of its own.
    void performAction(ButtonAction action, bool pressed);
    // Posts the button-up of a click action whose button is down; anything else does nothing.
    void releaseIfHeld(ButtonAction action);
    // Posts the button-up of every click held down and forgets every held button.
    void releaseHeldClicks();
    // Remembers the click a press put down, so that the release lets go of that same click even
    // when it came from a combo (which has no release half) or the map changed meanwhile.
    void rememberClick(ButtonID id, ButtonAction action, std::optional<ButtonID> partner);
    void releaseRememberedClick(ButtonID id);
    void detach();
    void recordBatteryReading(float level);

    // A callable that runs `body` with the manager while it exists, and does nothing after.
    template <typename Body>
    auto weakly(Body body) const {
        return [weak = std::weak_ptr<ControllerManager*>(alive_), body](auto&&... args) {
            if (auto self = weak.lock()) {
                body(**self, std::forward<decltype(args)>(args)...);
            }
        };
    }

    Platform platform_;
    MouseController& mouse_;
    PSKeyboardController& keyboard_;

    Published<bool> isEnabled_;
    Published<bool> keyboardFeatureEnabled_;

    std::shared_ptr<Controller> controller_;
    ExtendedGamepad* gamepad_ = nullptr;
    std::shared_ptr<ScheduledTask> timer_;
    std::int64_t batteryTickCount_ = 0;
    std::set<ButtonID> heldButtons_;
    float lastTouchX_ = 0;
    float lastTouchY_ = 0;
    Time lastTouchTime_ = kDistantPast;
    bool middleClickDown_ = false;
    struct PressedClick {
        ButtonAction action;
        std::optional<ButtonID> partner;  // the other button of the combo that fired it
    };
    std::map<ButtonID, PressedClick> pressedClicks_;

    Subscription connectObserver_;
    Subscription disconnectObserver_;
    std::shared_ptr<ScheduledTask> retryTask_;
    std::shared_ptr<ScheduledTask> accessibilityTimer_;
    // Closures hold this weakly and do nothing once the manager is gone.
    std::shared_ptr<ControllerManager*> alive_;
};

}  // namespace joyvane
