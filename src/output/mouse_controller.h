#pragma once

#include <cstdint>
#include <vector>

#include "platform/event_poster.h"
#include "platform/screen_service.h"

namespace joyvane {

// Turns the engine's requests into synthetic input: relative pointer motion (a drag while a
// click is held), pixel scrolling and key presses with modifiers. Keeps no remainder: every call
// starts from what the screen service reports at that moment.
class MouseController {
  public:
    MouseController(EventPoster& poster, ScreenService& screens);

    // Set and cleared only by the click actions; make motion a left or right drag.
    bool isLeftDown = false;
    bool isRightDown = false;

    // The pointer in global display coordinates (origin top-left of the primary screen, y down).
    Point currentCGPosition() const;

    // Warp by (dx, dy) points, clamped to the screens, then post a moved or dragged event.
    void move(double dx, double dy);

    // One pixel scroll event; wheel 1 = vertical * -4, wheel 2 = horizontal * 4, truncated.
    void scroll(double horizontal, double vertical);

    // Press and release one key, with the modifier keys in `modifiers` pressed around it.
    void sendKey(std::uint16_t code, std::uint64_t modifiers);

    // A mouse button event at the current pointer position, from the HID-system source.
    void postMouseButton(MouseEventType type, int button);

    EventPoster& poster() { return poster_; }

  private:
    // The primary screen's height, which turns y-up frames into y-down positions; 0 without one.
    double primaryHeight(const std::vector<Screen>& all) const;

    EventPoster& poster_;
    ScreenService& screens_;
};

}  // namespace joyvane
