#pragma once

#include <cstdint>
#include <string>

#include "platform/geometry.h"

namespace joyvane {

// Synthetic input as the domain describes it. The numbering is the engine's own vocabulary;
// each backend translates it into what the same request means on its desktop.

enum class EventSourceState : int { combinedSession = 0, hidSystem = 1 };

enum class MouseEventType : int {
    leftMouseDown = 1,
    leftMouseUp = 2,
    rightMouseDown = 3,
    rightMouseUp = 4,
    mouseMoved = 5,
    leftMouseDragged = 6,
    rightMouseDragged = 7,
    otherMouseDown = 25,
    otherMouseUp = 26,
};

namespace mouse_button {
inline constexpr int left = 0;
inline constexpr int right = 1;
inline constexpr int center = 2;
}  // namespace mouse_button

namespace modifier_flag {
inline constexpr std::uint64_t shift = 0x20000;
inline constexpr std::uint64_t control = 0x40000;
inline constexpr std::uint64_t option = 0x80000;
inline constexpr std::uint64_t command = 0x100000;
}  // namespace modifier_flag

namespace key_code {
inline constexpr std::uint16_t a = 0;
inline constexpr std::uint16_t z = 6;
inline constexpr std::uint16_t x = 7;
inline constexpr std::uint16_t c = 8;
inline constexpr std::uint16_t v = 9;
inline constexpr std::uint16_t digit3 = 20;
inline constexpr std::uint16_t returnKey = 36;
inline constexpr std::uint16_t tab = 48;
inline constexpr std::uint16_t space = 49;
inline constexpr std::uint16_t deleteKey = 51;  // backspace
inline constexpr std::uint16_t escape = 53;
inline constexpr std::uint16_t command = 55;
inline constexpr std::uint16_t shift = 56;
inline constexpr std::uint16_t option = 58;
inline constexpr std::uint16_t control = 59;
inline constexpr std::uint16_t leftArrow = 123;
inline constexpr std::uint16_t rightArrow = 124;
inline constexpr std::uint16_t missionControl = 160;
}  // namespace key_code

struct MouseEvent {
    EventSourceState source = EventSourceState::hidSystem;
    MouseEventType type = MouseEventType::mouseMoved;
    Point position;  // global display coordinates: origin top-left of the primary screen, y down
    int button = mouse_button::left;
    std::int64_t deltaX = 0;  // only meaningful on moved and dragged events
    std::int64_t deltaY = 0;
    friend bool operator==(const MouseEvent&, const MouseEvent&) = default;
};

// A scroll-wheel event in pixel units with a wheel count of 2.
struct ScrollEvent {
    EventSourceState source = EventSourceState::hidSystem;
    std::int32_t wheel1 = 0;  // vertical, positive scrolls content down (up the document)
    std::int32_t wheel2 = 0;  // horizontal
    std::int32_t wheel3 = 0;
    friend bool operator==(const ScrollEvent&, const ScrollEvent&) = default;
};

struct KeyEvent {
    EventSourceState source = EventSourceState::combinedSession;
    std::uint16_t keyCode = 0;
    bool down = true;
    std::uint64_t flags = 0;  // modifier flags; 0 when none are set
    std::u16string text;      // Unicode string carried by the event; empty when none
    friend bool operator==(const KeyEvent&, const KeyEvent&) = default;
};

// Posts events at the system's event tap. Each post returns false when the event could not be
// made; the caller then skips that one event and goes on.
class EventPoster {
public:
    virtual ~EventPoster() = default;
    // Move the system pointer to a point in global display coordinates, without an event.
    virtual void warp(Point position) = 0;
    virtual bool post(const MouseEvent& event) = 0;
    virtual bool post(const ScrollEvent& event) = 0;
    virtual bool post(const KeyEvent& event) = 0;
    // Lets go of every button and key still held and undoes any temporary change to the
    // keymap; the program calls it on its way out. Safe to call more than once.
    virtual void releaseAll() {}
};

}  // namespace joyvane
