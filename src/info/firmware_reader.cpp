#include "info/firmware_reader.h"

#include <array>
#include <string_view>
#include <thread>
#include <utility>
#include <variant>

namespace joyvane {

namespace {

constexpr std::array<std::string_view, 3> kVersionKeys = {"VersionNumber", "FirmwareVersion",
                                                          "bcdDevice"};

}  // namespace

std::string propertyText(const HidProperty& property) {
    if (const auto* number = std::get_if<std::int64_t>(&property)) {
        return std::to_string(*number);
    }
    return std::get<std::string>(property);
}

std::optional<std::string> readFirmwareVersion(const HidRegistry& registry) {
    auto devices = registry.devicesOfVendor(kPlayStationVendorId);
    if (devices.empty()) {
        return std::nullopt;
    }
    const HidDevice& device = devices.front();
    for (std::string_view key : kVersionKeys) {
        auto it = device.properties.find(std::string(key));
        if (it == device.properties.end()) {
            continue;
        }
        std::string text = propertyText(it->second);
        if (text.empty() || text == "0") {
            continue;
        }
        return text;
    }
    return std::nullopt;
}

std::jthread fetchFirmwareVersion(std::shared_ptr<const HidRegistry> registry, Scheduler& scheduler,
                                  std::weak_ptr<void> receiver, FirmwareResult done) {
    return std::jthread([registry = std::move(registry), &scheduler, receiver = std::move(receiver),
                         done = std::move(done)]() mutable {
        auto version = readFirmwareVersion(*registry);
        scheduler.post(
            [receiver = std::move(receiver), done = std::move(done), version = std::move(version)] {
                if (receiver.lock()) {
                    done(version);
                }
            });
    });
}

}  // namespace joyvane
