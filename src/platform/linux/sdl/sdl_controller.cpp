#include "platform/linux/sdl/sdl_controller.h"

#include "platform/linux/sdl/axis_values.h"

namespace joyvane::linux_input {

namespace {

PhysicalProfile profileOf(SDL_GameController* handle) {
    switch (SDL_GameControllerGetType(handle)) {
        case SDL_CONTROLLER_TYPE_PS5:
            return PhysicalProfile::dualSense;
        case SDL_CONTROLLER_TYPE_PS4:
            return PhysicalProfile::dualShock;
        default:
            return PhysicalProfile::other;
    }
}

std::optional<std::string> optionalText(const char* text) {
    if (text == nullptr) {
        return std::nullopt;
    }
    return std::string(text);
}

}  // namespace

std::optional<BatteryReading> batteryFromPowerLevel(SDL_JoystickPowerLevel level) {
    // SDL only says which band the charge is in; report the top of the band.
    switch (level) {
        case SDL_JOYSTICK_POWER_EMPTY:
            return BatteryReading{0.05f, BatteryState::unknown};
        case SDL_JOYSTICK_POWER_LOW:
            return BatteryReading{0.20f, BatteryState::unknown};
        case SDL_JOYSTICK_POWER_MEDIUM:
            return BatteryReading{0.70f, BatteryState::unknown};
        case SDL_JOYSTICK_POWER_FULL:
            return BatteryReading{1.0f, BatteryState::unknown};
        default:
            return std::nullopt;  // unknown, or wired without a battery level
    }
}

SdlController::SdlController(SDL_GameController* handle, const PowerSupplyReader& power)
    : handle_(handle), power_(power) {
    SDL_Joystick* joystick = SDL_GameControllerGetJoystick(handle);
    instanceId_ = SDL_JoystickInstanceID(joystick);
    identity_ = identifyController(profileOf(handle), SDL_GameControllerGetVendor(handle),
                                   optionalText(SDL_GameControllerName(handle)));
    if (const char* path = SDL_JoystickPath(joystick)) {
        devicePath_ = path;
    }
    for (int b = 0; b < SDL_CONTROLLER_BUTTON_MAX; ++b) {
        hasButton_[b] = SDL_GameControllerHasButton(
                            handle, static_cast<SDL_GameControllerButton>(b)) == SDL_TRUE;
    }
}

SdlController::~SdlController() {
    close();
}

void SdlController::close() {
    if (handle_ != nullptr) {
        SDL_GameControllerClose(handle_);
        handle_ = nullptr;
    }
}

ButtonInput* SdlController::optionalButton(SDL_GameControllerButton button) {
    return hasButton_[button] ? &buttons_[button] : nullptr;
}

ButtonInput* SdlController::buttonOptions() {
    return optionalButton(SDL_CONTROLLER_BUTTON_BACK);
}

ButtonInput* SdlController::leftThumbstickButton() {
    return optionalButton(SDL_CONTROLLER_BUTTON_LEFTSTICK);
}

ButtonInput* SdlController::rightThumbstickButton() {
    return optionalButton(SDL_CONTROLLER_BUTTON_RIGHTSTICK);
}

DirectionPad* SdlController::touchpadPrimary() {
    return hasTouchpad() ? &touchpad_ : nullptr;
}

ButtonInput* SdlController::touchpadButton() {
    return hasTouchpad() ? &buttons_[SDL_CONTROLLER_BUTTON_TOUCHPAD] : nullptr;
}

std::optional<BatteryReading> SdlController::battery() const {
    if (handle_ == nullptr) {
        return std::nullopt;
    }
    // The kernel knows the exact charge; SDL's level is a coarse band.
    if (!devicePath_.empty()) {
        if (auto reading = power_.read(devicePath_)) {
            return reading;
        }
    }
    return batteryFromPowerLevel(
        SDL_JoystickCurrentPowerLevel(SDL_GameControllerGetJoystick(handle_)));
}

void SdlController::handle(const SDL_Event& event) {
    switch (event.type) {
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
            handleButton(event.cbutton.button, event.cbutton.state == SDL_PRESSED);
            break;
        case SDL_CONTROLLERAXISMOTION:
            handleAxis(event.caxis.axis, event.caxis.value);
            break;
        case SDL_CONTROLLERTOUCHPADDOWN:
        case SDL_CONTROLLERTOUCHPADMOTION:
            handleTouch(event.ctouchpad, false);
            break;
        case SDL_CONTROLLERTOUCHPADUP:
            handleTouch(event.ctouchpad, true);
            break;
        default:
            break;
    }
}

void SdlController::handleButton(int button, bool pressed) {
    if (button < 0 || button >= SDL_CONTROLLER_BUTTON_MAX) {
        return;
    }
    switch (button) {
        case SDL_CONTROLLER_BUTTON_DPAD_UP:
        case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
        case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
        case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: {
            buttons_[button].setPressed(pressed);  // kept to combine the four directions
            DpadValue value = dpadValue(buttons_[SDL_CONTROLLER_BUTTON_DPAD_UP].isPressed(),
                                        buttons_[SDL_CONTROLLER_BUTTON_DPAD_DOWN].isPressed(),
                                        buttons_[SDL_CONTROLLER_BUTTON_DPAD_LEFT].isPressed(),
                                        buttons_[SDL_CONTROLLER_BUTTON_DPAD_RIGHT].isPressed());
            dpad_.setValue(value.x, value.y);
            break;
        }
        default:
            buttons_[button].setPressed(pressed);
            break;
    }
}

void SdlController::handleAxis(int axis, Sint16 raw) {
    switch (axis) {
        case SDL_CONTROLLER_AXIS_LEFTX:
            leftStick_.setX(stickAxis(raw));
            break;
        case SDL_CONTROLLER_AXIS_LEFTY:
            leftStick_.setY(stickAxis(raw, true));
            break;
        case SDL_CONTROLLER_AXIS_RIGHTX:
            rightStick_.setX(stickAxis(raw));
            break;
        case SDL_CONTROLLER_AXIS_RIGHTY:
            rightStick_.setY(stickAxis(raw, true));
            break;
        case SDL_CONTROLLER_AXIS_TRIGGERLEFT:
            leftTrigger_.setValue(triggerAxis(raw));
            break;
        case SDL_CONTROLLER_AXIS_TRIGGERRIGHT:
            rightTrigger_.setValue(triggerAxis(raw));
            break;
        default:
            break;
    }
}

void SdlController::handleTouch(const SDL_ControllerTouchpadEvent& touch, bool lifted) {
    if (!hasTouchpad() || touch.touchpad != 0 || touch.finger != 0) {
        return;  // the primary surface follows the first finger of the first touchpad
    }
    if (lifted) {
        // No report on lift: the next touch starts a new stroke from wherever it lands.
        touchpad_.reset(0, 0);
        touching_ = false;
        return;
    }
    touchpad_.setValue(touchpadAxis(touch.x), touchpadAxis(touch.y, true), !touching_);
    touching_ = true;
}

}  // namespace joyvane::linux_input
