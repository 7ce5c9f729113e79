#pragma once

#include <optional>
#include <string_view>

namespace joyvane {

// The first of `values` whose `nameOf(value)` equals `name`: turns a stored or typed name back into
// its enumeration value.
template <typename Values, typename NameOf>
auto findByName(const Values& values, std::string_view name, NameOf nameOf)
    -> std::optional<typename Values::value_type> {
    for (auto value : values) {
        if (nameOf(value) == name) {
            return value;
        }
    }
    return std::nullopt;
}

}  // namespace joyvane
