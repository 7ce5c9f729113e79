#include "keyboard/text_roles.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace joyvane {

namespace {

constexpr std::array<std::string_view, 5> kTextRoles = {
    "AXTextField", "AXTextArea", "AXSearchField", "AXComboBox", "AXSecureTextField"};

constexpr std::array<std::string_view, 2> kContainerRoles = {"AXWebArea", "AXGroup"};

constexpr std::size_t kChildrenExamined = 30;

bool contains(const auto& set, std::string_view value) {
    return std::find(set.begin(), set.end(), value) != set.end();
}

}  // namespace

bool isTextRole(std::string_view role) {
    return contains(kTextRoles, role);
}

bool isTextFieldElement(const FocusedElement& element) {
    std::string_view role = element.role ? std::string_view(*element.role) : std::string_view();
    if (isTextRole(role)) {
        return true;
    }
    if (!contains(kContainerRoles, role)) {
        return false;
    }
    std::size_t count = std::min(element.childRoles.size(), kChildrenExamined);
    return std::any_of(element.childRoles.begin(), element.childRoles.begin() + count,
                       [](const std::string& child) { return isTextRole(child); });
}

}  // namespace joyvane
