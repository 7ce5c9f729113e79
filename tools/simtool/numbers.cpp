#include "simtool/numbers.h"

#include <charconv>
#include <cmath>

namespace joyvane::simtool {

namespace {

template <typename T>
std::optional<T> parseWhole(std::string_view word) {
    if (word.empty()) {
        return std::nullopt;
    }
    T value{};
    const char* end = word.data() + word.size();
    auto [ptr, ec] = std::from_chars(word.data(), end, value);
    if (ec != std::errc() || ptr != end) {
        return std::nullopt;
    }
    if constexpr (std::is_floating_point_v<T>) {
        if (!std::isfinite(value)) {
            return std::nullopt;
        }
    }
    return value;
}

}  // namespace

std::optional<double> parseDouble(std::string_view word) {
    return parseWhole<double>(word);
}
std::optional<float> parseFloat(std::string_view word) {
    return parseWhole<float>(word);
}
std::optional<int> parseInt(std::string_view word) {
    return parseWhole<int>(word);
}

std::optional<bool> parseBool(std::string_view word) {
    if (word == "true") {
        return true;
    }
    if (word == "false") {
        return false;
    }
    return std::nullopt;
}

}  // namespace joyvane::simtool
