#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace joyvane {

// The mappable controller buttons. The raw value is the label in both languages.
enum class ButtonID { cross, circle, square, triangle, l1, r1, l2, r2, options, share, touchpad };

inline constexpr std::array<ButtonID, 11> allButtonIDs = {
    ButtonID::cross,   ButtonID::circle, ButtonID::square,  ButtonID::triangle,
    ButtonID::l1,      ButtonID::r1,     ButtonID::l2,      ButtonID::r2,
    ButtonID::options, ButtonID::share,  ButtonID::touchpad};

std::string_view rawValue(ButtonID id);   // "✕ Cross", ..., "Touchpad Click"
std::string_view shortName(ButtonID id);  // "✕", ..., "TP"
std::string_view icon(ButtonID id);       // symbol name, e.g. "cross.fill"
std::string_view caseName(ButtonID id);   // "cross", ..., "touchpad"
// Fails for anything but an exact raw value.
std::optional<ButtonID> buttonIDFromRawValue(std::string_view raw);
std::optional<ButtonID> buttonIDFromCaseName(std::string_view name);

}  // namespace joyvane
