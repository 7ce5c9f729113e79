#pragma once

#include <optional>

#include "platform/linux/wayland/pointer_space.h"
#include "platform/linux/x11/screen_layout.h"
#include "platform/screen_service.h"

namespace joyvane::wayland {

// Screens from Qt (logical geometry, which Qt has from xdg-output on Wayland) and the pointer
// position the program last posted: a Wayland client cannot read the real pointer, so the
// position starts at the centre of the primary screen and follows the program's own moves. A
// mouse moved by hand in between is not seen.
class QtScreenService final : public ScreenService, public PointerSpace {
  public:
    QtScreenService() = default;

    std::vector<Screen> screens() const override { return layout().screens(); }
    // The screen holding the pointer.
    std::optional<Screen> mainScreen() const override;
    Point mouseLocation() const override;

    PointerArea pointerArea() const override;
    void rememberPointer(Point global) override { pointer_ = global; }

  private:
    // Read from Qt at every call: Qt follows screen changes itself and answers from memory.
    x11::ScreenLayout layout() const;
    Point pointer(const x11::ScreenLayout& layout) const;

    std::optional<Point> pointer_;  // global display coordinates
};

}  // namespace joyvane::wayland
