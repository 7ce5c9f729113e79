#include "platform/linux/sdl/controller_identity.h"

#include "platform/linux/sdl/usb_vendors.h"

namespace joyvane::linux_input {

ControllerIdentity identifyController(PhysicalProfile profile, std::uint16_t vendorId,
                                      const std::optional<std::string>& name) {
    std::optional<std::string> product = name;
    if (product && product->empty()) {
        product.reset();
    }
    ControllerIdentity identity;
    identity.profile = profile;
    identity.vendorName = usbVendorName(vendorId);
    switch (profile) {
        case PhysicalProfile::dualSense:
            identity.productCategory = "DualSense";
            break;
        case PhysicalProfile::dualShock:
            identity.productCategory = "DualShock 4";
            break;
        case PhysicalProfile::other:
            identity.productCategory = product.value_or("Gamepad");
            break;
    }
    if (!identity.vendorName) {
        identity.vendorName = product;
    }
    return identity;
}

}  // namespace joyvane::linux_input
