#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/linux/wayland/keymap_lookup.h"

struct xkb_keymap;

namespace joyvane::wayland {

// A keymap compiled by xkbcommon, indexed once for one layout (group) of it. A keysym is found
// on the lowest level that has it (a plain key before a shifted one), and by its character as
// well, so U+05E9 finds the Hebrew keymap's hebrew_shin. Levels reached only through Caps Lock
// or an unknown modifier are left out.
class XkbKeymap final : public KeymapLookup {
  public:
    // From rule names ("us", "il", "de" with an optional variant); absent when they do not
    // compile.
    static std::unique_ptr<XkbKeymap> fromNames(const std::string& layout,
                                                const std::string& variant = {});
    // From a keymap in text form, as a Wayland compositor hands it to its clients.
    static std::unique_ptr<XkbKeymap> fromText(const std::string& text, unsigned group = 0);

    std::optional<KeyPlacement> locate(Keysym keysym) const override;

  private:
    XkbKeymap() = default;
    void index(::xkb_keymap* keymap, unsigned group);

    std::map<Keysym, KeyPlacement> byKeysym_;
    std::map<char32_t, KeyPlacement> byCharacter_;
};

// The keymap a session uses when the compositor has not told it: $XKB_DEFAULT_LAYOUT, then
// XKBLAYOUT in /etc/default/keyboard, then "us".
std::unique_ptr<XkbKeymap> defaultSessionKeymap();

}  // namespace joyvane::wayland
