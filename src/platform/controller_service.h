#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/signal.h"

namespace joyvane {

// What the engine needs of the platform's game-controller service. Every handler and notice is
// delivered on the main thread. Setting a handler replaces the element's previous one; an empty
// function removes it.

enum class BatteryState { unknown, discharging, charging, full };

struct BatteryReading {
    float level = 0;  // 0 to 1
    BatteryState state = BatteryState::unknown;
    friend bool operator==(const BatteryReading&, const BatteryReading&) = default;
};

// A button or trigger. The service decides when a trigger counts as pressed.
class ButtonInput {
public:
    using PressedChangedHandler = std::function<void(float value, bool pressed)>;
    virtual ~ButtonInput() = default;
    virtual void setPressedChangedHandler(PressedChangedHandler handler) = 0;
    virtual float value() const = 0;
    virtual bool isPressed() const = 0;
};

// A two-axis input: the d-pad, or a touchpad surface. x and y from -1 to 1, y up.
class DirectionPad {
public:
    using ValueChangedHandler = std::function<void(float x, float y)>;
    virtual ~DirectionPad() = default;
    virtual void setValueChangedHandler(ValueChangedHandler handler) = 0;
    virtual float x() const = 0;
    virtual float y() const = 0;
};

// A thumbstick: x and y from -1 to 1, y up. Reading never blocks.
class Thumbstick {
public:
    virtual ~Thumbstick() = default;
    virtual float x() const = 0;
    virtual float y() const = 0;
};

class ExtendedGamepad {
public:
    virtual ~ExtendedGamepad() = default;
    virtual Thumbstick& leftThumbstick() = 0;
    virtual Thumbstick& rightThumbstick() = 0;
    virtual ButtonInput& buttonA() = 0;
    virtual ButtonInput& buttonB() = 0;
    virtual ButtonInput& buttonX() = 0;
    virtual ButtonInput& buttonY() = 0;
    virtual ButtonInput& leftShoulder() = 0;
    virtual ButtonInput& rightShoulder() = 0;
    virtual ButtonInput& leftTrigger() = 0;
    virtual ButtonInput& rightTrigger() = 0;
    virtual ButtonInput& buttonMenu() = 0;
    // Optional elements: null when the controller has none.
    virtual ButtonInput* buttonOptions() = 0;
    virtual ButtonInput* leftThumbstickButton() = 0;
    virtual ButtonInput* rightThumbstickButton() = 0;
    virtual DirectionPad& dpad() = 0;
};

// The physical input profile beyond the extended gamepad.
enum class PhysicalProfile { other, dualSense, dualShock };

class Controller {
public:
    virtual ~Controller() = default;
    // Null when the controller offers no extended gamepad profile; it is then not usable.
    virtual ExtendedGamepad* extendedGamepad() = 0;
    virtual std::string productCategory() const = 0;
    virtual std::optional<std::string> vendorName() const = 0;
    virtual PhysicalProfile physicalProfile() const = 0;
    // Present only on the DualSense and DualShock profiles.
    virtual DirectionPad* touchpadPrimary() = 0;
    virtual ButtonInput* touchpadButton() = 0;
    // Absent when the controller reports no battery.
    virtual std::optional<BatteryReading> battery() const = 0;
};

class ControllerService {
public:
    // The notice's object; null when it is not a controller.
    using ConnectHandler = std::function<void(const std::shared_ptr<Controller>&)>;

    virtual ~ControllerService() = default;
    virtual void setShouldMonitorBackgroundEvents(bool monitor) = 0;
    virtual void startWirelessControllerDiscovery() = 0;
    // Connected controllers, in connection order.
    virtual std::vector<std::shared_ptr<Controller>> controllers() const = 0;
    [[nodiscard]] virtual Subscription onDidConnect(ConnectHandler handler) = 0;
    [[nodiscard]] virtual Subscription onDidDisconnect(ConnectHandler handler) = 0;
};

}  // namespace joyvane
