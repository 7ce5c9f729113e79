#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace joyvane::linux_desktop {

// The text without surrounding spaces and line ends, as sysfs attributes end in a newline.
std::string_view trimmed(std::string_view text);

// A hexadecimal number as sysfs writes it ("054C", "0x0110\n"): at most eight digits, an
// optional 0x, surrounding white space allowed. Nothing for anything else.
std::optional<std::uint32_t> parseHex(std::string_view text);

}  // namespace joyvane::linux_desktop
