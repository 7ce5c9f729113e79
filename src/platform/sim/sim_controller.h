#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/signal.h"
#include "platform/controller_service.h"

namespace joyvane::sim {

class SimButton final : public ButtonInput {
public:
    void setPressedChangedHandler(PressedChangedHandler handler) override;
    float value() const override { return value_; }
    bool isPressed() const override { return pressed_; }
    // Calls the handler only when the pressed state changes, as the real service does.
    void setPressed(bool pressed);
    bool hasHandler() const { return static_cast<bool>(handler_); }
    int handlerInstallCount() const { return installs_; }

private:
    PressedChangedHandler handler_;
    float value_ = 0;
    bool pressed_ = false;
    int installs_ = 0;
};

class SimPad final : public DirectionPad {
public:
    void setValueChangedHandler(ValueChangedHandler handler) override;
    float x() const override { return x_; }
    float y() const override { return y_; }
    // Stores the values and calls the handler at once.
    void setValue(float x, float y);
    bool hasHandler() const { return static_cast<bool>(handler_); }

private:
    ValueChangedHandler handler_;
    float x_ = 0;
    float y_ = 0;
};

class SimStick final : public Thumbstick {
public:
    float x() const override { return x_; }
    float y() const override { return y_; }
    void set(float x, float y) {
        x_ = x;
        y_ = y;
    }

private:
    float x_ = 0;
    float y_ = 0;
};

// The elements of the extended gamepad by name, for tests and scenarios.
enum class SimElement {
    buttonA,
    buttonB,
    buttonX,
    buttonY,
    leftShoulder,
    rightShoulder,
    leftTrigger,
    rightTrigger,
    buttonMenu,
    buttonOptions,
    leftThumbstickButton,
    rightThumbstickButton,
    touchpadButton,
};

struct SimControllerSpec {
    std::string category = "Gamepad";
    std::optional<std::string> vendor;
    bool hasProfile = true;            // offers an extended gamepad profile
    bool hasOptionsButton = true;      // the Share / Create button
    bool hasStickButtons = true;       // clickable thumbsticks
    PhysicalProfile physical = PhysicalProfile::other;  // dualSense / dualShock add a touchpad
    std::optional<BatteryReading> battery;
};

class SimController final : public Controller, private ExtendedGamepad {
public:
    explicit SimController(SimControllerSpec spec);

    // Controller
    ExtendedGamepad* extendedGamepad() override { return spec_.hasProfile ? this : nullptr; }
    std::string productCategory() const override { return spec_.category; }
    std::optional<std::string> vendorName() const override { return spec_.vendor; }
    PhysicalProfile physicalProfile() const override { return spec_.physical; }
    DirectionPad* touchpadPrimary() override;
    ButtonInput* touchpadButton() override;
    std::optional<BatteryReading> battery() const override { return spec_.battery; }

    // Test controls.
    void setBattery(std::optional<BatteryReading> battery) { spec_.battery = battery; }
    void setLeftStick(float x, float y) { left_.set(x, y); }
    void setRightStick(float x, float y) { right_.set(x, y); }
    void setDpad(float x, float y) { dpad_.setValue(x, y); }
    void touch(float x, float y);
    // Null when the controller lacks that element.
    SimButton* element(SimElement which);
    void press(SimElement which);
    void release(SimElement which);
    SimPad& dpadPad() { return dpad_; }
    SimPad& touchpadPad() { return touchpad_; }
    const SimControllerSpec& spec() const { return spec_; }

private:
    // ExtendedGamepad
    Thumbstick& leftThumbstick() override { return left_; }
    Thumbstick& rightThumbstick() override { return right_; }
    ButtonInput& buttonA() override { return buttons_[0]; }
    ButtonInput& buttonB() override { return buttons_[1]; }
    ButtonInput& buttonX() override { return buttons_[2]; }
    ButtonInput& buttonY() override { return buttons_[3]; }
    ButtonInput& leftShoulder() override { return buttons_[4]; }
    ButtonInput& rightShoulder() override { return buttons_[5]; }
    ButtonInput& leftTrigger() override { return buttons_[6]; }
    ButtonInput& rightTrigger() override { return buttons_[7]; }
    ButtonInput& buttonMenu() override { return buttons_[8]; }
    ButtonInput* buttonOptions() override;
    ButtonInput* leftThumbstickButton() override;
    ButtonInput* rightThumbstickButton() override;
    DirectionPad& dpad() override { return dpad_; }

    bool hasTouchpad() const { return spec_.physical != PhysicalProfile::other; }

    SimControllerSpec spec_;
    SimStick left_;
    SimStick right_;
    SimPad dpad_;
    SimPad touchpad_;
    std::array<SimButton, 13> buttons_;  // indexed by SimElement
};

class SimControllerService final : public ControllerService {
public:
    void setShouldMonitorBackgroundEvents(bool monitor) override { monitorsBackground_ = monitor; }
    void startWirelessControllerDiscovery() override { ++discoveryStarts_; }
    std::vector<std::shared_ptr<Controller>> controllers() const override;
    Subscription onDidConnect(ConnectHandler handler) override;
    Subscription onDidDisconnect(ConnectHandler handler) override;

    // Adds to the list without a notice (a controller present before start).
    void addPresent(std::shared_ptr<SimController> controller);
    // Adds to the list and posts the connect notice.
    void connect(std::shared_ptr<SimController> controller);
    // Removes from the list and posts the disconnect notice.
    void disconnect(const std::shared_ptr<SimController>& controller);
    // A connect notice whose object is not a controller.
    void postForeignConnectNotice();

    bool monitorsBackground() const { return monitorsBackground_; }
    int discoveryStarts() const { return discoveryStarts_; }
    std::size_t connectObserverCount() const { return connected_.observerCount(); }

private:
    std::vector<std::shared_ptr<SimController>> list_;
    Signal<const std::shared_ptr<Controller>&> connected_;
    Signal<const std::shared_ptr<Controller>&> disconnected_;
    bool monitorsBackground_ = false;
    int discoveryStarts_ = 0;
};

}  // namespace joyvane::sim
