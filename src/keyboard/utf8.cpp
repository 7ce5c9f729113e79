#include "keyboard/utf8.h"

#include <cstddef>
#include <cstdint>

namespace joyvane {

namespace {

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Decodes the sequence starting at text[i]; returns its length, or 0 when it is not well formed.
std::size_t decodeOne(std::string_view text, std::size_t i, char32_t& scalar) {
    auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        scalar = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        value = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        value = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        value = lead & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (text.size() - i < length) {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        auto byte = static_cast<unsigned char>(text[i + k]);
        if (!isContinuation(byte)) {
            return 0;
        }
        value = (value << 6) | (byte & 0x3F);
    }
    bool surrogate = value >= 0xD800 && value <= 0xDFFF;
    if (value < minimum || value > 0x10FFFF || surrogate) {
        return 0;
    }
    scalar = value;
    return length;
}

}  // namespace

std::vector<char32_t> decodeUtf8Scalars(std::string_view text) {
    std::vector<char32_t> scalars;
    std::size_t i = 0;
    while (i < text.size()) {
        char32_t scalar = 0;
        std::size_t length = decodeOne(text, i, scalar);
        if (length == 0) {
            ++i;
            continue;
        }
        scalars.push_back(scalar);
        i += length;
    }
    return scalars;
}

std::u16string utf16Units(char32_t scalar) {
    if (scalar < 0x10000) {
        return std::u16string(1, static_cast<char16_t>(scalar));
    }
    char32_t offset = scalar - 0x10000;
    return {static_cast<char16_t>(0xD800 + (offset >> 10)),
            static_cast<char16_t>(0xDC00 + (offset & 0x3FF))};
}

void appendUtf8(std::string& out, char32_t scalar) {
    if (scalar < 0x80) {
        out += static_cast<char>(scalar);
    } else if (scalar < 0x800) {
        out += static_cast<char>(0xC0 | (scalar >> 6));
        out += static_cast<char>(0x80 | (scalar & 0x3F));
    } else if (scalar < 0x10000) {
        out += static_cast<char>(0xE0 | (scalar >> 12));
        out += static_cast<char>(0x80 | ((scalar >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (scalar & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (scalar >> 18));
        out += static_cast<char>(0x80 | ((scalar >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((scalar >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (scalar & 0x3F));
    }
}

}  // namespace joyvane
