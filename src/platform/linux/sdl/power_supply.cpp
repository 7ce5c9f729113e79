#include "platform/linux/sdl/power_supply.h"

#include <charconv>
#include <fstream>
#include <sstream>
#include <system_error>

#include "platform/linux/folder_entries.h"

namespace joyvane::linux_input {

namespace fs = std::filesystem;

namespace {

std::string trimmed(const std::string& text) {
    auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) {
        return {};
    }
    auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

std::optional<std::string> readSmallFile(const fs::path& path) {
    std::ifstream in(path);
    if (!in) {
        return std::nullopt;
    }
    std::string text(256, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    return trimmed(text);
}

std::optional<fs::path> resolved(const fs::path& path) {
    std::error_code error;
    fs::path result = fs::canonical(path, error);
    if (error) {
        return std::nullopt;
    }
    return result;
}

// True when `ancestor` is `path` or one of its parent folders.
bool isSameOrAncestor(const fs::path& ancestor, const fs::path& path) {
    auto a = ancestor.begin();
    auto p = path.begin();
    for (; a != ancestor.end(); ++a, ++p) {
        if (p == path.end() || *a != *p) {
            return false;
        }
    }
    return true;
}

BatteryState stateFromStatus(const std::string& status) {
    if (status == "Charging") {
        return BatteryState::charging;
    }
    if (status == "Discharging") {
        return BatteryState::discharging;
    }
    if (status == "Full") {
        return BatteryState::full;
    }
    return BatteryState::unknown;  // "Not charging", "Unknown" or anything else
}

}  // namespace

std::optional<BatteryReading> parsePowerSupply(const std::string& capacity,
                                               const std::string& status) {
    std::string digits = trimmed(capacity);
    int percent = -1;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), percent);
    if (digits.empty() || error != std::errc{} || end != digits.data() + digits.size() ||
        percent < 0 || percent > 100) {
        return std::nullopt;
    }
    return BatteryReading{static_cast<float>(percent) / 100.0f, stateFromStatus(trimmed(status))};
}

PowerSupplyReader::PowerSupplyReader(fs::path sysfsRoot) : root_(std::move(sysfsRoot)) {}

std::optional<fs::path> PowerSupplyReader::deviceOfNode(const std::string& devicePath) const {
    std::string name = fs::path(devicePath).filename().string();
    if (name.empty()) {
        return std::nullopt;
    }
    for (const char* subsystem : {"input", "hidraw"}) {
        if (auto device = resolved(root_ / "class" / subsystem / name / "device")) {
            return device;
        }
    }
    return std::nullopt;
}

std::optional<BatteryReading> PowerSupplyReader::read(const std::string& devicePath) const {
    auto device = deviceOfNode(devicePath);
    if (!device) {
        return std::nullopt;
    }
    for (const fs::path& supply : linux_common::folderEntries(root_ / "class" / "power_supply")) {
        auto owner = resolved(supply / "device");
        if (!owner || !isSameOrAncestor(*owner, *device)) {
            continue;
        }
        auto type = readSmallFile(supply / "type");
        auto scope = readSmallFile(supply / "scope");
        if ((type && *type != "Battery") || (scope && *scope == "System")) {
            continue;
        }
        auto capacity = readSmallFile(supply / "capacity");
        if (!capacity) {
            continue;
        }
        if (auto reading =
                parsePowerSupply(*capacity, readSmallFile(supply / "status").value_or(""))) {
            return reading;
        }
    }
    return std::nullopt;
}

}  // namespace joyvane::linux_input
