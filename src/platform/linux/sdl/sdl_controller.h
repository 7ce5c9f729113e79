#pragma once

#include <SDL.h>

#include <array>
#include <optional>
#include <string>

#include "platform/controller_service.h"
#include "platform/linux/sdl/controller_identity.h"
#include "platform/linux/sdl/gamepad_elements.h"
#include "platform/linux/sdl/power_supply.h"

namespace joyvane::linux_input {

// One SDL game controller as the engine's extended gamepad. Fed with SDL's controller events
// on the main thread; owns the SDL handle until closed.
class SdlController final : public Controller, private ExtendedGamepad {
  public:
    SdlController(SDL_GameController* handle, const PowerSupplyReader& power);
    ~SdlController() override;
    SdlController(const SdlController&) = delete;
    SdlController& operator=(const SdlController&) = delete;

    SDL_JoystickID instanceId() const { return instanceId_; }
    // Applies a button, axis or touchpad event of this controller.
    void handle(const SDL_Event& event);
    // Releases the SDL handle once the device is gone; the object stays valid but inert.
    void close();

    // Controller
    ExtendedGamepad* extendedGamepad() override { return this; }
    std::string productCategory() const override { return identity_.productCategory; }
    std::optional<std::string> vendorName() const override { return identity_.vendorName; }
    PhysicalProfile physicalProfile() const override { return identity_.profile; }
    DirectionPad* touchpadPrimary() override;
    ButtonInput* touchpadButton() override;
    std::optional<BatteryReading> battery() const override;

  private:
    // ExtendedGamepad
    Thumbstick& leftThumbstick() override { return leftStick_; }
    Thumbstick& rightThumbstick() override { return rightStick_; }
    ButtonInput& buttonA() override { return buttons_[SDL_CONTROLLER_BUTTON_A]; }
    ButtonInput& buttonB() override { return buttons_[SDL_CONTROLLER_BUTTON_B]; }
    ButtonInput& buttonX() override { return buttons_[SDL_CONTROLLER_BUTTON_X]; }
    ButtonInput& buttonY() override { return buttons_[SDL_CONTROLLER_BUTTON_Y]; }
    ButtonInput& leftShoulder() override { return buttons_[SDL_CONTROLLER_BUTTON_LEFTSHOULDER]; }
    ButtonInput& rightShoulder() override { return buttons_[SDL_CONTROLLER_BUTTON_RIGHTSHOULDER]; }
    ButtonInput& leftTrigger() override { return leftTrigger_; }
    ButtonInput& rightTrigger() override { return rightTrigger_; }
    ButtonInput& buttonMenu() override { return buttons_[SDL_CONTROLLER_BUTTON_START]; }
    ButtonInput* buttonOptions() override;
    ButtonInput* leftThumbstickButton() override;
    ButtonInput* rightThumbstickButton() override;
    DirectionPad& dpad() override { return dpad_; }

    ButtonInput* optionalButton(SDL_GameControllerButton button);
    void handleButton(int button, bool pressed);
    void handleAxis(int axis, Sint16 raw);
    void handleTouch(const SDL_ControllerTouchpadEvent& touch, bool lifted);
    bool hasTouchpad() const { return identity_.profile != PhysicalProfile::other; }

    SDL_GameController* handle_;
    SDL_JoystickID instanceId_;
    const PowerSupplyReader& power_;
    ControllerIdentity identity_;
    std::string devicePath_;
    std::array<DigitalButton, SDL_CONTROLLER_BUTTON_MAX> buttons_;
    std::array<bool, SDL_CONTROLLER_BUTTON_MAX> hasButton_{};
    AnalogTrigger leftTrigger_;
    AnalogTrigger rightTrigger_;
    Stick leftStick_;
    Stick rightStick_;
    Pad dpad_;
    Pad touchpad_;
    bool touching_ = false;
};

// The engine's reading of SDL's coarse power level; absent when SDL knows no level.
std::optional<BatteryReading> batteryFromPowerLevel(SDL_JoystickPowerLevel level);

}  // namespace joyvane::linux_input
