#pragma once

#include <optional>
#include <vector>

#include "platform/geometry.h"

namespace joyvane {

// Frames and the mouse location in the screen service's space: origin at the bottom-left of the
// primary screen, y up, in points.
struct Screen {
    Rect frame;
    Rect visibleFrame;  // without panels and docks
    friend bool operator==(const Screen&, const Screen&) = default;
};

class ScreenService {
public:
    virtual ~ScreenService() = default;
    // All screens; the first is the primary screen.
    virtual std::vector<Screen> screens() const = 0;
    // The screen with the keyboard focus, if any.
    virtual std::optional<Screen> mainScreen() const = 0;
    virtual Point mouseLocation() const = 0;
};

}  // namespace joyvane
