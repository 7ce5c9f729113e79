#include "platform/linux/wayland/evdev_translator.h"

#include <linux/input-event-codes.h>

#include <algorithm>
#include <cmath>

namespace joyvane::wayland {

namespace {

// The evdev button of an engine button event; absent when the event is not one.
std::optional<std::uint16_t> buttonOf(const MouseEvent& event, bool* down) {
    switch (event.type) {
        case MouseEventType::leftMouseDown:
        case MouseEventType::leftMouseUp:
            *down = event.type == MouseEventType::leftMouseDown;
            return BTN_LEFT;
        case MouseEventType::rightMouseDown:
        case MouseEventType::rightMouseUp:
            *down = event.type == MouseEventType::rightMouseDown;
            return BTN_RIGHT;
        case MouseEventType::otherMouseDown:
        case MouseEventType::otherMouseUp:
            *down = event.type == MouseEventType::otherMouseDown;
            if (event.button == mouse_button::center) {
                return BTN_MIDDLE;
            }
            // Back, forward and the further buttons, as far as a mouse has them.
            if (event.button >= 3 && event.button <= 3 + (BTN_TASK - BTN_SIDE)) {
                return static_cast<std::uint16_t>(BTN_SIDE + event.button - 3);
            }
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

int axisValue(double offset, int size) {
    if (!std::isfinite(offset)) {
        return 0;
    }
    return static_cast<int>(std::clamp(std::floor(offset), 0.0, static_cast<double>(size - 1)));
}

}  // namespace

EvdevTranslator::EvdevTranslator(EvdevSink& sink, std::shared_ptr<const KeymapLookup> keymap,
                                 std::shared_ptr<const KeymapLookup> shortcuts, PointerArea area)
    : sink_(sink), keymap_(std::move(keymap)), shortcuts_(std::move(shortcuts)), area_(area) {}

EvdevTranslator::~EvdevTranslator() {
    releaseAll();
}

bool EvdevTranslator::frame(VirtualDevice device, std::vector<EvdevEvent> events) {
    events.push_back({EV_SYN, SYN_REPORT, 0});
    return sink_.write(device, events);
}

bool EvdevTranslator::moveTo(Point global) {
    if (!std::isfinite(global.x) || !std::isfinite(global.y)) {
        return false;
    }
    warped_ = global;
    return frame(VirtualDevice::pointer,
                 {{EV_ABS, ABS_X, axisValue(global.x - area_.left, area_.width)},
                  {EV_ABS, ABS_Y, axisValue(global.y - area_.top, area_.height)}});
}

bool EvdevTranslator::button(std::uint16_t code, bool down) {
    if (down) {
        buttons_.insert(code);
    } else {
        buttons_.erase(code);
    }
    return frame(VirtualDevice::pointer, {{EV_KEY, code, down ? 1 : 0}});
}

bool EvdevTranslator::post(const MouseEvent& event) {
    switch (event.type) {
        case MouseEventType::mouseMoved:
        case MouseEventType::leftMouseDragged:
        case MouseEventType::rightMouseDragged:
            // The warp before it already moved there; a held button makes the motion a drag.
            if (warped_ && *warped_ == event.position) {
                return true;
            }
            return moveTo(event.position);
        default:
            break;
    }
    bool down = false;
    auto code = buttonOf(event, &down);
    return code && button(*code, down);
}

bool EvdevTranslator::post(const ScrollEvent& event) {
    // A positive wheel 1 scrolls towards the top of the document (the wheel turned up), a
    // positive wheel 2 towards its left edge (REL_HWHEEL counts rightwards).
    WheelAxis::Step up = vertical_.add(event.wheel1);
    WheelAxis::Step left = horizontal_.add(event.wheel2);
    std::vector<EvdevEvent> events;
    if (up.notches != 0) {
        events.push_back({EV_REL, REL_WHEEL, up.notches});
    }
    if (up.hiRes != 0) {
        events.push_back({EV_REL, REL_WHEEL_HI_RES, up.hiRes});
    }
    if (left.notches != 0) {
        events.push_back({EV_REL, REL_HWHEEL, -left.notches});
    }
    if (left.hiRes != 0) {
        events.push_back({EV_REL, REL_HWHEEL_HI_RES, -left.hiRes});
    }
    return events.empty() || frame(VirtualDevice::pointer, std::move(events));
}

bool EvdevTranslator::keyChange(std::uint16_t code, bool down) {
    int& count = keysDown_[code];
    if (down ? count++ > 0 : --count > 0) {
        return true;  // another stroke holds the key as well (Shift of a chord and of a level)
    }
    if (count <= 0) {
        keysDown_.erase(code);
    }
    return frame(VirtualDevice::keyboard, {{EV_KEY, code, down ? 1 : 0}});
}

std::optional<KeyPlacement> EvdevTranslator::place(Keysym keysym, bool typing) const {
    if (auto placement = keymap_ ? keymap_->locate(keysym) : std::nullopt) {
        return placement;
    }
    // A shortcut's letter is pressed where a Latin keyboard has it; typed text never is.
    return typing || !shortcuts_ ? std::nullopt : shortcuts_->locate(keysym);
}

bool EvdevTranslator::post(const KeyEvent& event, std::u16string* unplaced) {
    auto strokes = keys_.translate(event);
    if (!strokes) {
        return false;
    }
    const bool typing = !event.text.empty();
    bool ok = true;
    for (const x11::HostStroke& stroke : *strokes) {
        if (!stroke.down) {
            auto it = held_.find(stroke.keysym);
            if (it == held_.end()) {
                continue;  // its press was never written
            }
            for (auto code = it->second.rbegin(); code != it->second.rend(); ++code) {
                ok = keyChange(*code, false) && ok;
            }
            held_.erase(it);
            continue;
        }
        auto placement = place(stroke.keysym, typing);
        if (!placement) {
            if (typing && unplaced) {
                *unplaced = event.text;
            } else {
                ok = false;
            }
            continue;
        }
        std::vector<std::uint16_t> codes = placement->modifiers;
        codes.push_back(placement->code);
        for (std::uint16_t code : codes) {
            ok = keyChange(code, true) && ok;
        }
        held_[stroke.keysym] = std::move(codes);
    }
    return ok;
}

void EvdevTranslator::releaseAll() {
    keys_.releaseAll();  // every press it knows of is in held_ as well
    for (auto& [keysym, codes] : held_) {
        for (auto code = codes.rbegin(); code != codes.rend(); ++code) {
            keyChange(*code, false);
        }
    }
    held_.clear();
    auto buttons = buttons_;
    for (std::uint16_t code : buttons) {
        button(code, false);
    }
}

}  // namespace joyvane::wayland
