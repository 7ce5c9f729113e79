#include "platform/linux/desktop/hid_id.h"

#include <string_view>

#include "platform/linux/desktop/atomic_file.h"
#include "platform/linux/desktop/sysfs_text.h"

namespace joyvane::linux_desktop {

namespace fs = std::filesystem;

// HID_ID=0003:0000054C:00000CE6 in a uevent file.
std::optional<HidId> readHidId(const fs::path& device) {
    auto uevent = readWholeFile(device / "uevent");
    if (!uevent) {
        return std::nullopt;
    }
    constexpr std::string_view key = "HID_ID=";
    for (std::string_view rest = *uevent; !rest.empty();) {
        auto end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (!line.starts_with(key)) {
            continue;
        }
        line.remove_prefix(key.size());
        auto first = line.find(':');
        auto second = first == std::string_view::npos ? first : line.find(':', first + 1);
        if (second == std::string_view::npos) {
            return std::nullopt;
        }
        auto bus = parseHex(line.substr(0, first));
        auto vendor = parseHex(line.substr(first + 1, second - first - 1));
        auto product = parseHex(line.substr(second + 1));
        if (!bus || !vendor || !product) {
            return std::nullopt;
        }
        return HidId{*bus, *vendor, *product};
    }
    return std::nullopt;
}

}  // namespace joyvane::linux_desktop
