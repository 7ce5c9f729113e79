#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace joyvane {

enum class KeyboardLayout { latin, hebrew, symbols };

inline constexpr std::array<KeyboardLayout, 3> allKeyboardLayouts = {
    KeyboardLayout::latin, KeyboardLayout::hebrew, KeyboardLayout::symbols};

// "EN", "עב", "#+": also the short label of the layout on screen.
std::string_view rawValue(KeyboardLayout layout);
std::optional<KeyboardLayout> keyboardLayoutFromRawValue(std::string_view raw);
// latin -> hebrew -> symbols -> latin
KeyboardLayout nextLayout(KeyboardLayout layout);

inline constexpr int kCharacterRows = 4;
inline constexpr int kCharacterColumns = 10;
inline constexpr int kControlRow = 4;
inline constexpr int kControlKeys = 3;

using KeyTable = std::array<std::array<std::string_view, kCharacterColumns>, kCharacterRows>;

const KeyTable& latinKeys();
const KeyTable& hebrewKeys();
const KeyTable& symbolKeys();
const KeyTable& keysOf(KeyboardLayout layout);

// Cells that stand for a key rather than a character.
inline constexpr std::string_view kDeleteKey = "\u232B";        // ⌫
inline constexpr std::string_view kReturnKey = "\u21B5";        // ↵
inline constexpr std::string_view kLayoutSwitchKey = "\u21EA";  // ⇪
inline constexpr std::string_view kSpaceKey = "\u23B5";         // ⎵
inline constexpr std::string_view kCloseKey = "\u2715";         // ✕

// The control row: stored characters "⇪", "⎵", "✕" and icon names "globe", "space", "xmark";
// the empty string for any other column.
std::string_view controlCharacter(int column);
std::string_view controlIcon(int column);
// The label drawn on a control key: the layout the switch key leads to, "Space", "✕".
std::string controlLabel(KeyboardLayout current, int column);

// Upper case as the Latin layout knows it: ASCII letters only; everything else unchanged.
std::string uppercasedLatin(std::string_view text);

}  // namespace joyvane
