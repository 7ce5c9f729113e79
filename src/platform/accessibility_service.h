#pragma once

#include <optional>
#include <string>
#include <vector>

namespace joyvane {

struct RunningApplication {
    std::optional<std::string> identifier;  // bundle or desktop identifier; may be unknown
    int processId = 0;
    friend bool operator==(const RunningApplication&, const RunningApplication&) = default;
};

// The focused element of an application, with its role under the accessibility role names the
// domain uses ("AXTextField", "AXTextArea", "AXSearchField", "AXComboBox", "AXSecureTextField",
// "AXWebArea", "AXGroup", ...).
struct FocusedElement {
    std::optional<std::string> role;  // absent when the role cannot be read
    // Roles of the element's first children (at most 30). Backends fill it at least for the
    // roles "AXWebArea" and "AXGroup"; it may be left empty for others.
    std::vector<std::string> childRoles;
};

// Accessibility and the frontmost application. Every query answers promptly: a backend bounds
// each call and reads a failure as "nothing".
class AccessibilityService {
public:
    virtual ~AccessibilityService() = default;
    // The program may post events and read other applications' focus.
    virtual bool isProcessTrusted() const = 0;
    // Ask for trust with the system's prompt. Never blocks; the answer arrives later through
    // isProcessTrusted().
    virtual void requestTrustWithPrompt() = 0;
    virtual std::optional<RunningApplication> frontmostApplication() const = 0;
    // The program's own identifier, compared with the frontmost application's.
    virtual std::optional<std::string> ownIdentifier() const = 0;
    // The focused element of the application with this process id. Absent when the read fails
    // or yields no element.
    virtual std::optional<FocusedElement> focusedElement(int processId) const = 0;
};

}  // namespace joyvane
