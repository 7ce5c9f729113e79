#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "platform/linux/desktop/device_access.h"

namespace joyvane::app {

// A game controller as SDL lists it.
struct SdlDevice {
    std::string name;
    std::uint16_t vendor = 0;
    std::uint16_t product = 0;
    std::string path;  // the device node SDL reads, such as /dev/hidraw3 or /dev/input/event7
};

// One block per controller: name, ids, SDL's device path, whether its hidraw node is writable,
// where its battery comes from and its touchpad device. A PlayStation controller is matched to
// the hidraw nodes of `access` by its ids, each node once.
void printControllers(std::ostream& out, const std::vector<SdlDevice>& devices,
                      const linux_desktop::DeviceAccessReport& access);

// Everything `joyvane --diagnose` prints: the session and the input backend it would use,
// XTest and uinput access, the accessibility bus, a tray host, the SDL version and the
// controllers. Asks the live services; nothing is started that outlives the call.
void printDiagnosis(std::ostream& out);

}  // namespace joyvane::app
