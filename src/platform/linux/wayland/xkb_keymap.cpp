#include "platform/linux/wayland/xkb_keymap.h"

#include <linux/input-event-codes.h>
#include <xkbcommon/xkbcommon.h>

#include <cstdlib>
#include <fstream>
#include <vector>

namespace joyvane::wayland {

namespace {

// xkbcommon numbers keys as the X server does: the evdev code plus 8.
constexpr xkb_keycode_t kEvdevOffset = 8;

struct ContextDeleter {
    void operator()(xkb_context* context) const { xkb_context_unref(context); }
};
struct KeymapDeleter {
    void operator()(xkb_keymap* keymap) const { xkb_keymap_unref(keymap); }
};
using Context = std::unique_ptr<xkb_context, ContextDeleter>;
using Keymap = std::unique_ptr<xkb_keymap, KeymapDeleter>;

Context newContext() {
    return Context(xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES));
}

// Evdev codes of the keys a keyboard has; the virtual keyboard declares these and no others.
bool isKeyboardKey(xkb_keycode_t kc) {
    return kc >= kEvdevOffset && kc - kEvdevOffset >= KEY_ESC && kc - kEvdevOffset < BTN_MISC;
}

// The key whose base level holds `keysym`, as an evdev code: the usual modifier keys first
// (keymaps also carry it on virtual keys no keyboard has, such as <LVL3>).
std::optional<std::uint16_t> baseKeyOf(xkb_keymap* keymap, unsigned group, xkb_keysym_t keysym) {
    std::optional<std::uint16_t> found;
    for (xkb_keycode_t kc = xkb_keymap_min_keycode(keymap); kc <= xkb_keymap_max_keycode(keymap);
         ++kc) {
        const xkb_keysym_t* syms = nullptr;
        int count = xkb_keymap_key_get_syms_by_level(keymap, kc, group, 0, &syms);
        if (!isKeyboardKey(kc) || count != 1 || syms[0] != keysym) {
            continue;
        }
        auto code = static_cast<std::uint16_t>(kc - kEvdevOffset);
        if (code == KEY_LEFTSHIFT || code == KEY_RIGHTALT) {
            return code;
        }
        if (!found) {
            found = code;
        }
    }
    return found;
}

// The modifier keys that select a level: the first of the level's modifier masks made only of
// Shift and the third-level shift (AltGr), when the keymap has keys for them.
std::optional<std::vector<std::uint16_t>> levelModifiers(xkb_keymap* keymap, xkb_keycode_t kc,
                                                         unsigned group, unsigned level) {
    if (level == 0) {
        return std::vector<std::uint16_t>{};
    }
    xkb_mod_mask_t masks[8];
    std::size_t count =
        xkb_keymap_key_get_mods_for_level(keymap, kc, group, level, masks, std::size(masks));
    const xkb_mod_mask_t shift = 1u << xkb_keymap_mod_get_index(keymap, XKB_MOD_NAME_SHIFT);
    const xkb_mod_index_t mod5 = xkb_keymap_mod_get_index(keymap, "Mod5");
    const xkb_mod_mask_t third = mod5 == XKB_MOD_INVALID ? 0 : 1u << mod5;
    auto shiftKey = baseKeyOf(keymap, group, XKB_KEY_Shift_L);
    auto thirdKey = baseKeyOf(keymap, group, XKB_KEY_ISO_Level3_Shift);
    for (std::size_t i = 0; i < count; ++i) {
        xkb_mod_mask_t mask = masks[i];
        if (mask == 0 || (mask & ~(shift | third)) != 0) {
            continue;
        }
        std::vector<std::uint16_t> keys;
        if (mask & shift) {
            if (!shiftKey) {
                continue;
            }
            keys.push_back(*shiftKey);
        }
        if (mask & third) {
            if (!thirdKey) {
                continue;
            }
            keys.push_back(*thirdKey);
        }
        return keys;
    }
    return std::nullopt;
}

std::string layoutFromKeyboardDefaults() {
    std::ifstream file("/etc/default/keyboard");
    std::string line;
    while (std::getline(file, line)) {
        if (line.rfind("XKBLAYOUT=", 0) == 0) {
            std::string value = line.substr(10);
            std::erase(value, '"');
            return value;
        }
    }
    return {};
}

}  // namespace

void XkbKeymap::index(xkb_keymap* keymap, unsigned group) {
    if (group >= xkb_keymap_num_layouts(keymap)) {
        group = 0;
    }
    const xkb_keycode_t first = xkb_keymap_min_keycode(keymap);
    const xkb_keycode_t last = xkb_keymap_max_keycode(keymap);
    // Level by level, so a keysym's plainest place wins.
    for (unsigned level = 0; level < 4; ++level) {
        for (xkb_keycode_t kc = first; kc <= last; ++kc) {
            if (!isKeyboardKey(kc) || level >= xkb_keymap_num_levels_for_key(keymap, kc, group)) {
                continue;
            }
            const xkb_keysym_t* syms = nullptr;
            int count = xkb_keymap_key_get_syms_by_level(keymap, kc, group, level, &syms);
            if (count != 1) {
                continue;  // nothing, or several keysyms at once
            }
            auto modifiers = levelModifiers(keymap, kc, group, level);
            if (!modifiers) {
                continue;
            }
            KeyPlacement placement{static_cast<std::uint16_t>(kc - kEvdevOffset),
                                   std::move(*modifiers)};
            byKeysym_.try_emplace(syms[0], placement);
            if (char32_t c = xkb_keysym_to_utf32(syms[0]); c >= 0x20 && c != 0x7f) {
                byCharacter_.try_emplace(c, std::move(placement));
            }
        }
    }
}

std::unique_ptr<XkbKeymap> XkbKeymap::fromNames(const std::string& layout,
                                                const std::string& variant) {
    Context context = newContext();
    if (!context) {
        return nullptr;
    }
    xkb_rule_names names{"evdev", "pc105", layout.c_str(), variant.c_str(), nullptr};
    Keymap keymap(xkb_keymap_new_from_names(context.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
    if (!keymap) {
        return nullptr;
    }
    std::unique_ptr<XkbKeymap> result(new XkbKeymap);
    result->index(keymap.get(), 0);
    return result;
}

std::unique_ptr<XkbKeymap> XkbKeymap::fromText(const std::string& text, unsigned group) {
    Context context = newContext();
    if (!context) {
        return nullptr;
    }
    Keymap keymap(xkb_keymap_new_from_string(context.get(), text.c_str(), XKB_KEYMAP_FORMAT_TEXT_V1,
                                             XKB_KEYMAP_COMPILE_NO_FLAGS));
    if (!keymap) {
        return nullptr;
    }
    std::unique_ptr<XkbKeymap> result(new XkbKeymap);
    result->index(keymap.get(), group);
    return result;
}

std::optional<KeyPlacement> XkbKeymap::locate(Keysym keysym) const {
    if (auto it = byKeysym_.find(keysym); it != byKeysym_.end()) {
        return it->second;
    }
    char32_t c = xkb_keysym_to_utf32(keysym);
    if (auto it = byCharacter_.find(c); c != 0 && it != byCharacter_.end()) {
        return it->second;
    }
    return std::nullopt;
}

std::unique_ptr<XkbKeymap> defaultSessionKeymap() {
    std::string layout;
    if (const char* value = std::getenv("XKB_DEFAULT_LAYOUT")) {
        layout = value;
    }
    if (layout.empty()) {
        layout = layoutFromKeyboardDefaults();
    }
    // Several layouts ("us,il"): the first is the one in use at login.
    layout = layout.substr(0, layout.find(','));
    if (auto keymap = XkbKeymap::fromNames(layout.empty() ? "us" : layout)) {
        return keymap;
    }
    return XkbKeymap::fromNames("us");
}

}  // namespace joyvane::wayland
