#pragma once

#include "platform/geometry.h"
#include "platform/linux/wayland/evdev_sink.h"

namespace joyvane::wayland {

// What the poster needs from the screens on Wayland, where no client can ask where the pointer
// is: the area the absolute pointer spans, and a place to keep the position it was sent to.
class PointerSpace {
  public:
    virtual ~PointerSpace() = default;
    virtual PointerArea pointerArea() const = 0;
    // `global` in global display coordinates.
    virtual void rememberPointer(Point global) = 0;
};

}  // namespace joyvane::wayland
