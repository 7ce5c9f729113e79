#pragma once

#include <optional>
#include <vector>

#include "platform/geometry.h"
#include "platform/screen_service.h"

namespace joyvane::x11 {

// A monitor as the X server reports it: root-window pixels, origin top-left, y down.
struct Monitor {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool primary = false;
    friend bool operator==(const Monitor&, const Monitor&) = default;
};

// The monitors and the three coordinate spaces in play: X root-window pixels; global display
// coordinates (origin top-left of the primary screen, y down), in which events are posted; and
// the screen service's space (origin bottom-left of the primary screen, y up).
class ScreenLayout {
  public:
    ScreenLayout() = default;
    // The primary monitor comes first (the first one listed when none is marked); empty
    // monitors are dropped. `workArea` is the desktop's area free of panels, in root pixels.
    ScreenLayout(std::vector<Monitor> monitors, std::optional<Monitor> workArea);

    const std::vector<Monitor>& monitors() const { return monitors_; }
    // Frames and visible frames in the screen service's space, primary first.
    std::vector<Screen> screens() const;
    // The first screen holding a root point; the primary screen when none does.
    std::optional<Screen> screenAt(double rootX, double rootY) const;

    Point serviceFromRoot(double rootX, double rootY) const;
    Point rootFromGlobal(Point global) const;
    Point globalFromRoot(double rootX, double rootY) const;

  private:
    Rect serviceRect(const Monitor& area) const;

    std::vector<Monitor> monitors_;
    std::optional<Monitor> workArea_;
    Monitor primary_;  // the origin of both other spaces
};

}  // namespace joyvane::x11
