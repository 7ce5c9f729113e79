#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "platform/event_poster.h"
#include "platform/linux/x11/keysyms.h"

namespace joyvane::x11 {

// One key press or release on this desktop, by keysym.
struct HostStroke {
    Keysym keysym = 0;
    bool down = true;
    friend bool operator==(const HostStroke&, const HostStroke&) = default;
};

// Turns the engine's key events (its virtual key codes, modifier keys and flags, Unicode text)
// into this desktop's key strokes.
//
// Modifier key presses are held back: nothing is posted for them until the key of the chord
// goes down. The chord is then translated as a whole (Command+C becomes Control+C, Command+Tab
// Alt+Tab, ...) and posted as its modifiers and key going down; when the key goes up, the key
// and those modifiers go up at once. The engine's own modifier releases then post nothing. So
// every chord is complete, and no modifier is left down whatever arrives in between.
class KeyTranslator {
  public:
    // The strokes to post now for `event`; empty when there is nothing to post yet (a held-back
    // modifier, or the release of a key that was never pressed). Absent when the key has no
    // equivalent here.
    std::optional<std::vector<HostStroke>> translate(const KeyEvent& event);

    // Releases everything still down, for shutting down; leaves the translator empty.
    std::vector<HostStroke> releaseAll();

  private:
    using KeyId = std::pair<std::uint16_t, std::u16string>;

    std::uint64_t heldModifiers_ = 0;                // engine modifier flags held back
    std::map<KeyId, std::vector<HostStroke>> down_;  // key -> what to post when it goes up
};

// A chord on this desktop: modifier keysyms, in pressing order, and the key.
struct HostChord {
    std::vector<Keysym> modifiers;
    Keysym key = 0;
    friend bool operator==(const HostChord&, const HostChord&) = default;
};

// The desktop's equivalent of an engine key code pressed with engine modifier flags; absent for
// key codes with no equivalent.
std::optional<HostChord> translateChord(std::uint16_t keyCode, std::uint64_t modifiers);

}  // namespace joyvane::x11
