#pragma once

#include <cstdint>
#include <optional>

namespace joyvane::x11 {

// X keysym values used by the key translation, spelled out so the translation needs no Xlib.
using Keysym = std::uint32_t;

namespace keysym {
inline constexpr Keysym backSpace = 0xff08;
inline constexpr Keysym tab = 0xff09;
inline constexpr Keysym returnKey = 0xff0d;
inline constexpr Keysym escape = 0xff1b;
inline constexpr Keysym left = 0xff51;
inline constexpr Keysym up = 0xff52;
inline constexpr Keysym right = 0xff53;
inline constexpr Keysym down = 0xff54;
inline constexpr Keysym print = 0xff61;
inline constexpr Keysym shiftL = 0xffe1;
inline constexpr Keysym controlL = 0xffe3;
inline constexpr Keysym altL = 0xffe9;
inline constexpr Keysym superL = 0xffeb;
inline constexpr Keysym space = 0x0020;
}  // namespace keysym

// The keysym of a Unicode character: Latin-1 characters are their own keysyms, all others
// use the Unicode keysym range. Absent for control characters, surrogates and non-characters.
std::optional<Keysym> keysymForCharacter(char32_t character);

}  // namespace joyvane::x11
