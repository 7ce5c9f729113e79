#include "platform/linux/desktop/controller_touchpad.h"

#include <array>

namespace joyvane::linux_desktop {

bool isControllerTouchpadName(std::string_view name) {
    constexpr std::string_view suffix = " Touchpad";
    if (!name.ends_with(suffix)) {
        return false;
    }
    name.remove_suffix(suffix.size());
    for (std::string_view maker :
         {"Sony Interactive Entertainment ", "Sony Computer Entertainment "}) {
        if (name.starts_with(maker)) {
            name.remove_prefix(maker.size());
            break;
        }
    }
    constexpr std::array<std::string_view, 4> products = {
        "Wireless Controller",                // DualShock 4
        "DUALSHOCK®4 USB Wireless Adaptor",   // DualShock 4 through its USB adaptor
        "DualSense Wireless Controller",      //
        "DualSense Edge Wireless Controller"  //
    };
    for (std::string_view product : products) {
        if (name == product) {
            return true;
        }
    }
    return false;
}

}  // namespace joyvane::linux_desktop
