#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/linux/x11/keysyms.h"

namespace joyvane::wayland {

// Keysyms are the same numbers on X11 and in xkbcommon, so the X11 key translation is shared.
using x11::Keysym;

// Where a keysym sits on the keyboard: the evdev key code and the modifier keys (evdev codes,
// in pressing order) that select its level, such as Shift for a capital or AltGr for "@" on a
// German keyboard.
struct KeyPlacement {
    std::uint16_t code = 0;
    std::vector<std::uint16_t> modifiers;
    friend bool operator==(const KeyPlacement&, const KeyPlacement&) = default;
};

// Finds keysyms on a keymap.
class KeymapLookup {
  public:
    virtual ~KeymapLookup() = default;
    // Absent when the keymap cannot produce the keysym (nor, for a Unicode keysym, the same
    // character under its legacy keysym).
    virtual std::optional<KeyPlacement> locate(Keysym keysym) const = 0;
};

}  // namespace joyvane::wayland
