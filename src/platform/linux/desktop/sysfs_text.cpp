#include "platform/linux/desktop/sysfs_text.h"

#include <charconv>

namespace joyvane::linux_desktop {

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view space = " \t\r\n";
    auto first = text.find_first_not_of(space);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(space) - first + 1);
}

std::optional<std::uint32_t> parseHex(std::string_view text) {
    text = trimmed(text);
    if (text.starts_with("0x") || text.starts_with("0X")) {
        text.remove_prefix(2);
    }
    if (text.empty() || text.size() > 8) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace joyvane::linux_desktop
