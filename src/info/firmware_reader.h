#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "core/scheduler.h"
#include "platform/hid_registry.h"

namespace joyvane {

// USB vendor of the PlayStation controllers.
inline constexpr std::uint16_t kPlayStationVendorId = 1356;  // 0x054C

// The firmware version of the first HID device of the PlayStation vendor: the first of
// "VersionNumber", "FirmwareVersion", "bcdDevice" whose text is neither empty nor "0". A number
// reads as its decimal digits, a string unchanged. Absent when nothing usable is found.
// Blocking: call it off the main thread.
std::optional<std::string> readFirmwareVersion(const HidRegistry& registry);

// The text of a registry property: a number as its decimal digits, a string unchanged.
std::string propertyText(const HidProperty& property);

using FirmwareResult = std::function<void(const std::optional<std::string>&)>;

// Reads the firmware version on a background thread and hands the result to `done` on the main
// queue, unless `receiver` has gone by then. Returns at once with the thread, which the caller
// keeps: destroying it waits for the read (a few small files), so the result is never posted
// to a scheduler that has gone. Keep it no longer than the scheduler.
[[nodiscard]] std::jthread fetchFirmwareVersion(std::shared_ptr<const HidRegistry> registry,
                                                Scheduler& scheduler, std::weak_ptr<void> receiver,
                                                FirmwareResult done);

}  // namespace joyvane
