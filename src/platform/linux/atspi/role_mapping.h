#pragma once

#include <string>

#include <atspi/atspi-constants.h>

namespace joyvane::atspi {

// What decides how an accessible element is presented to the focus monitor.
struct ElementTraits {
    AtspiRole role = ATSPI_ROLE_INVALID;
    bool editable = false;   // ATSPI_STATE_EDITABLE
    bool multiLine = false;  // ATSPI_STATE_MULTI_LINE
    bool readOnly = false;   // ATSPI_STATE_READ_ONLY
};

// The accessibility role name the focus monitor knows ("AXTextField", "AXTextArea", ...) for an
// AT-SPI element. Only an element that takes typing gets a text role: text, entries, password
// fields, spin buttons and combo boxes need the editable state (a label, or a read-only text view
// that also reports the text role, gets "AXStaticText"). A terminal takes typing without
// declaring itself editable, so it counts unless marked read-only. Web documents and plain
// containers get "AXWebArea" and "AXGroup": whether they count is decided by their children.
std::string axRoleName(const ElementTraits& element);

// Roles whose first children are reported with them.
bool isContainerRole(AtspiRole role);

}  // namespace joyvane::atspi
