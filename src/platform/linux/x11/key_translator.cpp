#include "platform/linux/x11/key_translator.h"

#include <array>

namespace joyvane::x11 {

namespace {

bool isModifierKey(std::uint16_t code) {
    return code == key_code::command || code == key_code::shift || code == key_code::option ||
           code == key_code::control;
}

std::uint64_t flagOfModifierKey(std::uint16_t code) {
    switch (code) {
        case key_code::command:
            return modifier_flag::command;
        case key_code::shift:
            return modifier_flag::shift;
        case key_code::option:
            return modifier_flag::option;
        default:
            return modifier_flag::control;
    }
}

// The engine's key codes (the ANSI layout) and their keysyms on this desktop.
std::optional<Keysym> keysymOfKeyCode(std::uint16_t code) {
    static constexpr std::array<std::pair<std::uint16_t, Keysym>, 56> kKeys{{
        {0, 'a'},
        {1, 's'},
        {2, 'd'},
        {3, 'f'},
        {4, 'h'},
        {5, 'g'},
        {6, 'z'},
        {7, 'x'},
        {8, 'c'},
        {9, 'v'},
        {11, 'b'},
        {12, 'q'},
        {13, 'w'},
        {14, 'e'},
        {15, 'r'},
        {16, 'y'},
        {17, 't'},
        {18, '1'},
        {19, '2'},
        {20, '3'},
        {21, '4'},
        {22, '6'},
        {23, '5'},
        {24, '='},
        {25, '9'},
        {26, '7'},
        {27, '-'},
        {28, '8'},
        {29, '0'},
        {30, ']'},
        {31, 'o'},
        {32, 'u'},
        {33, '['},
        {34, 'i'},
        {35, 'p'},
        {37, 'l'},
        {38, 'j'},
        {39, '\''},
        {40, 'k'},
        {41, ';'},
        {42, '\\'},
        {43, ','},
        {44, '/'},
        {45, 'n'},
        {46, 'm'},
        {47, '.'},
        {50, '`'},
        {key_code::returnKey, keysym::returnKey},
        {key_code::tab, keysym::tab},
        {key_code::space, keysym::space},
        {key_code::deleteKey, keysym::backSpace},
        {key_code::escape, keysym::escape},
        {key_code::leftArrow, keysym::left},
        {key_code::rightArrow, keysym::right},
        {125, keysym::down},
        {126, keysym::up},
    }};
    for (const auto& [c, sym] : kKeys) {
        if (c == code) {
            return sym;
        }
    }
    return std::nullopt;
}

// Engine modifiers as this desktop's, in pressing order. Command and Control both become
// Control, the desktop's shortcut modifier; Option becomes Alt.
std::vector<Keysym> hostModifiers(std::uint64_t flags) {
    std::vector<Keysym> result;
    if (flags & (modifier_flag::control | modifier_flag::command)) {
        result.push_back(keysym::controlL);
    }
    if (flags & modifier_flag::shift) {
        result.push_back(keysym::shiftL);
    }
    if (flags & modifier_flag::option) {
        result.push_back(keysym::altL);
    }
    return result;
}

constexpr std::uint64_t kModifierMask =
    modifier_flag::shift | modifier_flag::control | modifier_flag::option | modifier_flag::command;

// The one character of a key event's text; absent unless it is exactly one Unicode scalar.
std::optional<char32_t> singleCharacter(const std::u16string& text) {
    if (text.size() == 1 && (text[0] < 0xd800 || text[0] > 0xdfff)) {
        return text[0];
    }
    if (text.size() == 2 && text[0] >= 0xd800 && text[0] <= 0xdbff && text[1] >= 0xdc00 &&
        text[1] <= 0xdfff) {
        return 0x10000 + ((static_cast<char32_t>(text[0]) - 0xd800) << 10) + (text[1] - 0xdc00);
    }
    return std::nullopt;
}

}  // namespace

std::optional<HostChord> translateChord(std::uint16_t keyCode, std::uint64_t modifiers) {
    modifiers &= kModifierMask;
    using namespace modifier_flag;
    if (keyCode == key_code::missionControl) {
        return HostChord{hostModifiers(modifiers), keysym::superL};  // the overview
    }
    if (keyCode == key_code::digit3 && modifiers == (shift | command)) {
        return HostChord{{}, keysym::print};  // the screenshot
    }
    if (keyCode == key_code::tab && modifiers == command) {
        return HostChord{{keysym::altL}, keysym::tab};  // switch applications
    }
    if ((keyCode == key_code::leftArrow || keyCode == key_code::rightArrow) &&
        modifiers == control) {
        // Previous and next workspace.
        return HostChord{{keysym::controlL, keysym::altL},
                         keyCode == key_code::leftArrow ? keysym::left : keysym::right};
    }
    auto key = keysymOfKeyCode(keyCode);
    if (!key) {
        return std::nullopt;
    }
    return HostChord{hostModifiers(modifiers), *key};
}

std::optional<std::vector<HostStroke>> KeyTranslator::translate(const KeyEvent& event) {
    if (event.text.empty() && isModifierKey(event.keyCode)) {
        std::uint64_t flag = flagOfModifierKey(event.keyCode);
        heldModifiers_ = event.down ? (heldModifiers_ | flag) : (heldModifiers_ & ~flag);
        return std::vector<HostStroke>{};
    }
    KeyId id{event.keyCode, event.text};
    if (!event.down) {
        auto it = down_.find(id);
        if (it == down_.end()) {
            return std::vector<HostStroke>{};
        }
        std::vector<HostStroke> release = std::move(it->second);
        down_.erase(it);
        return release;
    }
    HostChord chord;
    if (!event.text.empty()) {
        // The character travels in the text; the key code and modifiers do not apply.
        auto character = singleCharacter(event.text);
        auto sym = character ? keysymForCharacter(*character) : std::nullopt;
        if (!sym) {
            return std::nullopt;
        }
        chord.key = *sym;
    } else {
        auto translated = translateChord(event.keyCode, heldModifiers_ | event.flags);
        if (!translated) {
            return std::nullopt;
        }
        chord = std::move(*translated);
    }
    std::vector<HostStroke> press;
    std::vector<HostStroke> release;
    if (down_.count(id) != 0) {
        // Pressed again without a release: let go of the first press before repeating it.
        press = std::move(down_[id]);
    }
    for (Keysym m : chord.modifiers) {
        press.push_back({m, true});
    }
    press.push_back({chord.key, true});
    release.push_back({chord.key, false});
    for (auto m = chord.modifiers.rbegin(); m != chord.modifiers.rend(); ++m) {
        release.push_back({*m, false});
    }
    down_[id] = std::move(release);
    return press;
}

std::vector<HostStroke> KeyTranslator::releaseAll() {
    std::vector<HostStroke> result;
    for (auto& [id, strokes] : down_) {
        result.insert(result.end(), strokes.begin(), strokes.end());
    }
    down_.clear();
    heldModifiers_ = 0;
    return result;
}

}  // namespace joyvane::x11
