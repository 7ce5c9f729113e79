#pragma once

#include <cstddef>
#include <functional>

#include "mapping/button_id.h"

namespace joyvane {

// An ordered pair of buttons: (l2, r2) and (r2, l2) are different combos.
struct ComboID {
    ButtonID a;
    ButtonID b;
    friend bool operator==(const ComboID&, const ComboID&) = default;
    friend auto operator<=>(const ComboID&, const ComboID&) = default;
};

}  // namespace joyvane

template <>
struct std::hash<joyvane::ComboID> {
    std::size_t operator()(const joyvane::ComboID& c) const noexcept {
        return static_cast<std::size_t>(c.a) * 31u + static_cast<std::size_t>(c.b);
    }
};
