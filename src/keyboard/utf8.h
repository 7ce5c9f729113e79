#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace joyvane {

// The Unicode scalars of UTF-8 text, in order. Bytes that do not begin a well-formed sequence
// (stray continuation bytes, truncated or overlong sequences, surrogates, values above U+10FFFF)
// are skipped one at a time, so a damaged string still yields every intact character around it.
std::vector<char32_t> decodeUtf8Scalars(std::string_view text);

// One scalar as UTF-16: one unit inside the Basic Multilingual Plane, a surrogate pair beyond it.
std::u16string utf16Units(char32_t scalar);

// Appends one scalar to `out` as UTF-8 (one to four bytes).
void appendUtf8(std::string& out, char32_t scalar);

}  // namespace joyvane
