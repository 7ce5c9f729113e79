#include "keyboard/keyboard_layout.h"

#include "core/find_by_name.h"

namespace joyvane {

std::string_view rawValue(KeyboardLayout layout) {
    switch (layout) {
        case KeyboardLayout::latin:
            return "EN";
        case KeyboardLayout::hebrew:
            return "\u05E2\u05D1";  // עב
        case KeyboardLayout::symbols:
            return "#+";
    }
    return "EN";
}

std::optional<KeyboardLayout> keyboardLayoutFromRawValue(std::string_view raw) {
    return findByName(allKeyboardLayouts, raw, [](KeyboardLayout v) { return rawValue(v); });
}

KeyboardLayout nextLayout(KeyboardLayout layout) {
    std::size_t index = 0;
    while (index < allKeyboardLayouts.size() && allKeyboardLayouts[index] != layout) {
        ++index;
    }
    return allKeyboardLayouts[(index + 1) % allKeyboardLayouts.size()];
}

// Row 2 column 9 is Delete ("⌫") and row 3 column 9 is Return ("↵") in every table.
const KeyTable& latinKeys() {
    static const KeyTable table = {{
        {"1", "2", "3", "4", "5", "6", "7", "8", "9", "0"},
        {"q", "w", "e", "r", "t", "y", "u", "i", "o", "p"},
        {"a", "s", "d", "f", "g", "h", "j", "k", "l", "\u232B"},
        {"z", "x", "c", "v", "b", "n", "m", ",", ".", "\u21B5"},
    }};
    return table;
}

// Row 1 mirrors the typewriter row above the home row; rows 2 and 3 keep its order.
const KeyTable& hebrewKeys() {
    static const KeyTable table = {{
        {"1", "2", "3", "4", "5", "6", "7", "8", "9", "0"},
        {"\u05E4", "\u05DD", "\u05DF", "\u05D5", "\u05D8", "\u05D0", "\u05E8", "\u05E7", "'", "/"},
        {"\u05E9", "\u05D3", "\u05D2", "\u05DB", "\u05E2", "\u05D9", "\u05D7", "\u05DC", "\u05DA",
         "\u232B"},
        {"\u05D6", "\u05E1", "\u05D1", "\u05D4", "\u05E0", "\u05DE", "\u05E6", "\u05EA", "\u05E5",
         "\u21B5"},
    }};
    return table;
}

const KeyTable& symbolKeys() {
    static const KeyTable table = {{
        {"!", "@", "#", "$", "%", "^", "&", "*", "(", ")"},
        {"-", "_", "=", "+", "[", "]", "{", "}", "\\", "|"},
        {";", ":", "'", "\"", "<", ">", "/", "?", "~", "\u232B"},
        {"`", "\u20AC", "\u00A3", "\u00A5", "\u2022", "\u2026", "\u2014", "\u2013", "\u00B7",
         "\u21B5"},
    }};
    return table;
}

const KeyTable& keysOf(KeyboardLayout layout) {
    switch (layout) {
        case KeyboardLayout::latin:
            return latinKeys();
        case KeyboardLayout::hebrew:
            return hebrewKeys();
        case KeyboardLayout::symbols:
            return symbolKeys();
    }
    return latinKeys();
}

std::string_view controlCharacter(int column) {
    switch (column) {
        case 0:
            return kLayoutSwitchKey;
        case 1:
            return kSpaceKey;
        case 2:
            return kCloseKey;
        default:
            return "";
    }
}

std::string_view controlIcon(int column) {
    switch (column) {
        case 0:
            return "globe";
        case 1:
            return "space";
        case 2:
            return "xmark";
        default:
            return "";
    }
}

std::string controlLabel(KeyboardLayout layout, int column) {
    switch (column) {
        case 0:
            return std::string(rawValue(nextLayout(layout)));
        case 1:
            return "Space";
        case 2:
            return std::string(kCloseKey);
        default:
            return "";
    }
}

std::string uppercasedLatin(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return out;
}

}  // namespace joyvane
