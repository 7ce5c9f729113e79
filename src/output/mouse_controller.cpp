#include "output/mouse_controller.h"

#include <array>
#include <cmath>
#include <optional>

#include "output/saturating_truncate.h"

namespace joyvane {

namespace {

struct ModifierKey {
    std::uint64_t flag;
    std::uint16_t keyCode;
};

// The order in which modifier keys go down; they come up in the reverse order.
constexpr std::array<ModifierKey, 4> kModifierPressOrder = {{
    {modifier_flag::control, key_code::control},
    {modifier_flag::shift, key_code::shift},
    {modifier_flag::command, key_code::command},
    {modifier_flag::option, key_code::option},
}};

// Lower limit first, then the upper one, so the upper limit wins when the range is empty.
double clampLowerThenUpper(double value, double lowest, double highest) {
    if (value < lowest) {
        value = lowest;
    }
    if (value > highest) {
        value = highest;
    }
    return value;
}

}  // namespace

MouseController::MouseController(EventPoster& poster, ScreenService& screens)
    : poster_(poster), screens_(screens) {}

double MouseController::primaryHeight(const std::vector<Screen>& all) const {
    std::optional<Screen> primary = all.empty() ? screens_.mainScreen() : all.front();
    return primary ? primary->frame.height : 0;
}

Point MouseController::currentCGPosition() const {
    Point location = screens_.mouseLocation();
    return {location.x, primaryHeight(screens_.screens()) - location.y};
}

void MouseController::move(double dx, double dy) {
    // A NaN request would otherwise carry NaN into the warp and the event.
    if (std::isnan(dx)) {
        dx = 0;
    }
    if (std::isnan(dy)) {
        dy = 0;
    }
    Point p = currentCGPosition();
    std::vector<Screen> all = screens_.screens();
    // The frames are y-up from the primary screen's bottom edge; the pointer is y-down from its
    // top edge. Each frame is flipped the way the pointer is, so a screen above the primary one
    // lies at negative y.
    double flipHeight = primaryHeight(all);
    Rect bounds;
    for (const Screen& screen : all) {
        const Rect& f = screen.frame;
        bounds = unionRect(bounds, Rect{f.x, flipHeight - f.y - f.height, f.width, f.height});
    }
    double x = p.x + dx;
    double y = p.y + dy;
    // Without any screen there are no limits worth clamping to.
    if (!all.empty()) {
        x = clampLowerThenUpper(x, bounds.minX(), bounds.maxX() - 1);
        y = clampLowerThenUpper(y, bounds.minY(), bounds.maxY() - 1);
    }
    poster_.warp({x, y});

    MouseEvent event;
    event.source = EventSourceState::hidSystem;
    if (isLeftDown) {
        event.type = MouseEventType::leftMouseDragged;
    } else if (isRightDown) {
        event.type = MouseEventType::rightMouseDragged;
    } else {
        event.type = MouseEventType::mouseMoved;
    }
    event.button = isRightDown ? mouse_button::right : mouse_button::left;
    event.position = {x, y};
    // The requested deltas, not what was left of them after clamping.
    event.deltaX = saturatingTruncate<std::int64_t>(dx);
    event.deltaY = saturatingTruncate<std::int64_t>(dy);
    poster_.post(event);
}

void MouseController::scroll(double horizontal, double vertical) {
    ScrollEvent event;
    event.source = EventSourceState::hidSystem;
    event.wheel1 = saturatingTruncate<std::int32_t>(vertical * -4.0);
    event.wheel2 = saturatingTruncate<std::int32_t>(horizontal * 4.0);
    event.wheel3 = 0;
    poster_.post(event);
}

void MouseController::sendKey(std::uint16_t code, std::uint64_t modifiers) {
    auto postKey = [this](std::uint16_t keyCode, bool down, std::uint64_t flags) {
        KeyEvent event;
        event.source = EventSourceState::combinedSession;
        event.keyCode = keyCode;
        event.down = down;
        event.flags = flags;
        poster_.post(event);  // an event that cannot be made is skipped
    };
    for (const ModifierKey& modifier : kModifierPressOrder) {
        if (modifiers & modifier.flag) {
            postKey(modifier.keyCode, true, 0);
        }
    }
    postKey(code, true, modifiers);
    postKey(code, false, modifiers);
    for (auto it = kModifierPressOrder.rbegin(); it != kModifierPressOrder.rend(); ++it) {
        if (modifiers & it->flag) {
            postKey(it->keyCode, false, 0);
        }
    }
}

void MouseController::postMouseButton(MouseEventType type, int button) {
    MouseEvent event;
    event.source = EventSourceState::hidSystem;
    event.type = type;
    event.position = currentCGPosition();
    event.button = button;
    poster_.post(event);
}

}  // namespace joyvane
