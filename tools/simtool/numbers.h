#pragma once

#include <optional>
#include <string_view>

namespace joyvane::simtool {

// Strict readers of one whole word: no surrounding spaces, no leading '+', no hexadecimal, and
// only finite values ("nan", "inf" and overflowing text are not numbers).
std::optional<double> parseDouble(std::string_view word);
std::optional<float> parseFloat(std::string_view word);
std::optional<int> parseInt(std::string_view word);
// "true" or "false".
std::optional<bool> parseBool(std::string_view word);

}  // namespace joyvane::simtool
