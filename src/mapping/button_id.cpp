#include "mapping/button_id.h"

#include "core/find_by_name.h"

#include <cstddef>

namespace joyvane {

namespace {

struct ButtonIDInfo {
    std::string_view caseName;
    std::string_view rawValue;
    std::string_view shortName;
    std::string_view icon;
};

// Indexed by the enumeration's value, in the order of allButtonIDs.
constexpr std::array<ButtonIDInfo, allButtonIDs.size()> kInfo = {{
    {"cross", "\u2715 Cross", "\u2715", "cross.fill"},
    {"circle", "\u25CB Circle", "\u25CB", "circle"},
    {"square", "\u25A1 Square", "\u25A1", "square"},
    {"triangle", "\u25B3 Triangle", "\u25B3", "triangle"},
    {"l1", "L1", "L1", "l1.button.roundedbottom.horizontal.fill"},
    {"r1", "R1", "R1", "r1.button.roundedbottom.horizontal.fill"},
    {"l2", "L2 (trigger)", "L2", "l2.button.angledtop.vertical.left.fill"},
    {"r2", "R2 (trigger)", "R2", "r2.button.angledtop.vertical.right.fill"},
    {"options", "Options", "Opt", "ellipsis.circle"},
    {"share", "Share / Create", "Shr", "square.and.arrow.up"},
    {"touchpad", "Touchpad Click", "TP", "rectangle.roundedtop.fill"},
}};

const ButtonIDInfo& info(ButtonID id) {
    return kInfo[static_cast<std::size_t>(id)];
}

}  // namespace

std::string_view rawValue(ButtonID id) {
    return info(id).rawValue;
}
std::string_view shortName(ButtonID id) {
    return info(id).shortName;
}
std::string_view icon(ButtonID id) {
    return info(id).icon;
}
std::string_view caseName(ButtonID id) {
    return info(id).caseName;
}

std::optional<ButtonID> buttonIDFromRawValue(std::string_view raw) {
    return findByName(allButtonIDs, raw, [](ButtonID v) { return rawValue(v); });
}

std::optional<ButtonID> buttonIDFromCaseName(std::string_view name) {
    return findByName(allButtonIDs, name, [](ButtonID v) { return caseName(v); });
}

}  // namespace joyvane
