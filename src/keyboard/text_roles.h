#pragma once

#include <string_view>

#include "platform/accessibility_service.h"

namespace joyvane {

// The roles that are text fields by themselves.
bool isTextRole(std::string_view role);

// Whether a focused element takes typing. A web area or a group counts only when one of its first
// 30 children is a text field: by its role alone it is a whole page or a plain container.
bool isTextFieldElement(const FocusedElement& element);

}  // namespace joyvane
