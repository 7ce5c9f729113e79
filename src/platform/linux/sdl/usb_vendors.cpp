#include "platform/linux/sdl/usb_vendors.h"

#include <array>
#include <utility>

namespace joyvane::linux_input {

namespace {

// The common makers of game controllers.
constexpr std::array<std::pair<std::uint16_t, const char*>, 20> kVendors{{
    {0x044F, "Thrustmaster"}, {0x045E, "Microsoft"},   {0x046D, "Logitech"}, {0x054C, "Sony"},
    {0x057E, "Nintendo"},     {0x0738, "Mad Catz"},    {0x0B05, "ASUS"},     {0x0E6F, "PDP"},
    {0x0F0D, "Hori"},         {0x1038, "SteelSeries"}, {0x146B, "Nacon"},    {0x1532, "Razer"},
    {0x18D1, "Google"},       {0x1949, "Amazon"},      {0x20D6, "PowerA"},   {0x24C6, "PowerA"},
    {0x28DE, "Valve"},        {0x2DC8, "8BitDo"},      {0x2E24, "Hyperkin"}, {0x3537, "GameSir"},
}};

}  // namespace

std::optional<std::string> usbVendorName(std::uint16_t vendorId) {
    for (const auto& [id, name] : kVendors) {
        if (id == vendorId) {
            return std::string(name);
        }
    }
    return std::nullopt;
}

}  // namespace joyvane::linux_input
