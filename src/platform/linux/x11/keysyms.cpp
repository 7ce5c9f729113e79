#include "platform/linux/x11/keysyms.h"

namespace joyvane::x11 {

std::optional<Keysym> keysymForCharacter(char32_t c) {
    if (c < 0x20 || (c >= 0x7f && c < 0xa0) || (c >= 0xd800 && c <= 0xdfff) || c > 0x10ffff ||
        (c & 0xfffe) == 0xfffe) {
        return std::nullopt;
    }
    if (c < 0x100) {
        return static_cast<Keysym>(c);
    }
    return static_cast<Keysym>(0x01000000 | c);
}

}  // namespace joyvane::x11
