#include "simtool/text_format.h"

#include <array>
#include <charconv>
#include <cstdio>

#include "keyboard/utf8.h"

namespace joyvane::simtool {

namespace {

template <typename T>
std::string shortest(T value) {
    std::array<char, 64> buffer{};
    auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    (void)ec;  // 64 characters hold any float or double
    return std::string(buffer.data(), end);
}

bool isHighSurrogate(char16_t u) {
    return u >= 0xD800 && u <= 0xDBFF;
}
bool isLowSurrogate(char16_t u) {
    return u >= 0xDC00 && u <= 0xDFFF;
}

}  // namespace

std::string shortestText(float value) {
    return shortest(value);
}
std::string shortestText(double value) {
    return shortest(value);
}

std::string fixedText(double value, int decimals) {
    std::array<char, 512> buffer{};
    // Adding zero turns -0.0 into +0.0; a tiny negative value may still round to "-0.00".
    std::snprintf(buffer.data(), buffer.size(), "%.*f", decimals, value + 0.0);
    std::string text(buffer.data());
    if (text.find_first_not_of("-0.") == std::string::npos && text.front() == '-') {
        text.erase(0, 1);
    }
    return text;
}

std::string utf8FromUtf16(std::u16string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char16_t u = text[i];
        if (isHighSurrogate(u) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            char32_t c =
                0x10000 + ((char32_t(u) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00);
            appendUtf8(out, c);
            ++i;
        } else if (isHighSurrogate(u) || isLowSurrogate(u)) {
            appendUtf8(out, 0xFFFD);
        } else {
            appendUtf8(out, u);
        }
    }
    return out;
}

std::string hexText(unsigned long long value) {
    std::array<char, 32> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "0x%llX", value);
    return buffer.data();
}

}  // namespace joyvane::simtool
