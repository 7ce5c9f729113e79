#pragma once

#include <SDL.h>

#include "support/qt_loop.h"

#include <cstdint>
#include <string>

// Virtual SDL game controllers for tests: SDL's own virtual joystick driver, which needs no
// device files, with the dummy video driver.
namespace joyvane::testing {

// SDL's generated mapping for a virtual controller numbers the buttons in SDL's button order;
// index 20 carries the touchpad click once the mapping names it.
inline constexpr int kTouchpadButtonIndex = 20;

struct VirtualPad {
    int deviceIndex = -1;
    SDL_Joystick* joystick = nullptr;  // the test's own handle, used to set values
    SDL_JoystickID instance = -1;

    void button(int index, bool down) {
        SDL_JoystickSetVirtualButton(joystick, index, down ? 1 : 0);
    }
    void axis(int index, Sint16 value) { SDL_JoystickSetVirtualAxis(joystick, index, value); }
    void detach() {
        if (joystick != nullptr) {
            SDL_JoystickClose(joystick);
            joystick = nullptr;
        }
        for (int i = 0; i < SDL_NumJoysticks(); ++i) {
            if (SDL_JoystickGetDeviceInstanceID(i) == instance) {
                SDL_JoystickDetachVirtual(i);
                return;
            }
        }
    }
};

// Attaches a virtual game controller with the given USB ids; `touchpadButton` adds the
// touchpad click to its mapping, which SDL's generated mapping lacks.
inline VirtualPad attachVirtualPad(std::uint16_t vendor, std::uint16_t product,
                                   bool touchpadButton = false) {
    SDL_VirtualJoystickDesc desc;
    SDL_zero(desc);
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = 6;
    desc.nbuttons = 21;
    desc.vendor_id = vendor;
    desc.product_id = product;
    desc.button_mask = (1u << 21) - 1;
    desc.axis_mask = 0x3f;
    desc.name = "Virtual Pad";
    VirtualPad pad;
    pad.deviceIndex = SDL_JoystickAttachVirtualEx(&desc);
    if (pad.deviceIndex < 0) {
        return pad;
    }
    if (touchpadButton) {
        char* mapping = SDL_GameControllerMappingForDeviceIndex(pad.deviceIndex);
        if (mapping != nullptr) {
            std::string extended = std::string(mapping) + "touchpad:b20,";
            SDL_free(mapping);
            SDL_GameControllerAddMapping(extended.c_str());
        }
    }
    pad.joystick = SDL_JoystickOpen(pad.deviceIndex);
    pad.instance = SDL_JoystickInstanceID(pad.joystick);
    return pad;
}

}  // namespace joyvane::testing
