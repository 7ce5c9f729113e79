#pragma once

#include <gtest/gtest.h>
#include <linux/input-event-codes.h>

#include <ostream>
#include <vector>

#include "platform/linux/wayland/evdev_sink.h"
#include "platform/linux/wayland/pointer_space.h"
#include "platform/linux/wayland/wayland_event_poster.h"
#include "platform/linux/wayland/xkb_keymap.h"

namespace joyvane::wayland {

// One frame as a device received it.
struct Frame {
    VirtualDevice device;
    std::vector<EvdevEvent> events;
    friend bool operator==(const Frame&, const Frame&) = default;
};

inline void PrintTo(const EvdevEvent& e, std::ostream* os) {
    *os << "{" << e.type << "," << e.code << "," << e.value << "}";
}
inline void PrintTo(const Frame& f, std::ostream* os) {
    *os << (f.device == VirtualDevice::pointer ? "pointer[" : "keyboard[");
    for (const EvdevEvent& e : f.events) {
        PrintTo(e, os);
    }
    *os << "]";
}

// Stands in for the uinput devices: records every frame.
class RecordingSink final : public EvdevSink {
  public:
    bool write(VirtualDevice device, const std::vector<EvdevEvent>& frame) override {
        frames.push_back({device, frame});
        return true;
    }
    bool setPointerArea(const PointerArea& area) override {
        areas.push_back(area);
        return true;
    }
    std::vector<Frame> frames;
    std::vector<PointerArea> areas;
};

// A fixed pointer area that remembers where the pointer was sent.
class FixedSpace final : public PointerSpace {
  public:
    PointerArea pointerArea() const override { return area; }
    void rememberPointer(Point global) override { pointer = global; }
    PointerArea area{0, 0, 1440, 900};
    Point pointer;
};

inline constexpr EvdevEvent kSyn{EV_SYN, SYN_REPORT, 0};

inline Frame keyFrame(std::uint16_t code, bool down) {
    return {VirtualDevice::keyboard, {{EV_KEY, code, down ? 1 : 0}, kSyn}};
}

// Presses in order and releases in reverse, one frame a key.
inline std::vector<Frame> chord(std::vector<std::uint16_t> codes) {
    std::vector<Frame> frames;
    for (auto code : codes) {
        frames.push_back(keyFrame(code, true));
    }
    for (auto code = codes.rbegin(); code != codes.rend(); ++code) {
        frames.push_back(keyFrame(*code, false));
    }
    return frames;
}

inline std::shared_ptr<const KeymapLookup> keymap(const char* layout) {
    std::shared_ptr<const KeymapLookup> result = XkbKeymap::fromNames(layout);
    EXPECT_TRUE(result) << layout;
    return result;
}

inline KeyEvent key(std::uint16_t code, bool down, std::uint64_t flags = 0,
                    std::u16string text = {}) {
    return {EventSourceState::combinedSession, code, down, flags, std::move(text)};
}

// The poster over a recording sink, as the program builds it on the session's keymap; what it
// cannot place is collected in `unplaced`.
struct Posting {
    explicit Posting(const char* layout = "us") {
        auto owned = std::make_unique<RecordingSink>();
        sink = owned.get();
        poster = std::make_unique<WaylandEventPoster>(std::move(owned), space, keymap(layout),
                                                      keymap("us"));
        poster->setTypeText([this](const std::u16string& text) { unplaced.push_back(text); });
    }
    // Types `text` as one key press and release; whether both were posted.
    bool type(const std::u16string& text) {
        const bool down = poster->post(key(0, true, 0, text));
        return poster->post(key(0, false, 0, text)) && down;
    }
    FixedSpace space;
    RecordingSink* sink = nullptr;
    std::unique_ptr<WaylandEventPoster> poster;
    std::vector<std::u16string> unplaced;
};

}  // namespace joyvane::wayland
