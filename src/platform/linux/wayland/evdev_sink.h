#pragma once

#include <cstdint>
#include <vector>

namespace joyvane::wayland {

// One input event as the kernel's evdev interface carries it (type, code and value from
// linux/input-event-codes.h).
struct EvdevEvent {
    std::uint16_t type = 0;
    std::uint16_t code = 0;
    std::int32_t value = 0;
    friend bool operator==(const EvdevEvent&, const EvdevEvent&) = default;
};

// The area the absolute pointer spans: the bounding box of all screens, in global display
// coordinates (logical pixels, origin top-left of the primary screen). The device's axes run
// from 0 to width - 1 and height - 1, one unit a logical pixel.
struct PointerArea {
    double left = 0;
    double top = 0;
    int width = 1;
    int height = 1;
    friend bool operator==(const PointerArea&, const PointerArea&) = default;
};

// The two virtual devices the program posts through.
enum class VirtualDevice { pointer, keyboard };

// Where translated events go: the uinput devices, or a recorder in tests. Each call carries one
// frame, ending with its SYN_REPORT. False when the frame could not be written.
class EvdevSink {
  public:
    virtual ~EvdevSink() = default;
    virtual bool write(VirtualDevice device, const std::vector<EvdevEvent>& frame) = 0;
    // Spans the pointer over a new area (the screens changed). False when it failed.
    virtual bool setPointerArea(const PointerArea& area) = 0;
};

}  // namespace joyvane::wayland
