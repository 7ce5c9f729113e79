#pragma once

#include <string>
#include <string_view>

namespace joyvane::simtool {

// The shortest decimal text that reads back to exactly the same value.
std::string shortestText(float value);
std::string shortestText(double value);

// printf-style fixed decimals, with negative zero shown as zero.
std::string fixedText(double value, int decimals);

// UTF-8 of UTF-16 text; an unpaired surrogate becomes U+FFFD.
std::string utf8FromUtf16(std::u16string_view text);

// Upper-case hexadecimal with a 0x prefix and no leading zeros: 0x0, 0x120000.
std::string hexText(unsigned long long value);

}  // namespace joyvane::simtool
