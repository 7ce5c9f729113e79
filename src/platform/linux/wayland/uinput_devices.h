#pragma once

#include <memory>
#include <string>

#include "platform/linux/wayland/evdev_sink.h"
#include "platform/linux/wayland/evdev_translator.h"

struct libevdev;
struct libevdev_uinput;

namespace joyvane::wayland {

struct EvdevDeleter {
    void operator()(libevdev* device) const;
};
using EvdevDescription = std::unique_ptr<libevdev, EvdevDeleter>;

// The virtual pointer: absolute X and Y over `area` (no acceleration applies to them), the
// mouse buttons and both wheels with their high-resolution axes, all on one device so clicks
// land where it points.
EvdevDescription describePointer(const PointerArea& area);
// The virtual keyboard: every key of a full keyboard.
EvdevDescription describeKeyboard();

// Whether this process can create uinput devices.
enum class UinputAccess { ready, missing, notWritable };
UinputAccess uinputAccess(const char* path = "/dev/uinput");
// What is missing and the command that fixes it, one sentence; empty when ready.
std::string uinputProblem(UinputAccess access);

// The two virtual devices, created through /dev/uinput.
class UinputSink final : public EvdevSink {
  public:
    // Absent, with `error` set, when a device cannot be created.
    static std::unique_ptr<UinputSink> open(const PointerArea& area, std::string* error);
    ~UinputSink() override;

    bool write(VirtualDevice device, const std::vector<EvdevEvent>& frame) override;
    // Makes the pointer again (the axes' range is fixed at creation).
    bool setPointerArea(const PointerArea& area) override;

  private:
    UinputSink() = default;
    libevdev_uinput* pointer_ = nullptr;
    libevdev_uinput* keyboard_ = nullptr;
};

}  // namespace joyvane::wayland
