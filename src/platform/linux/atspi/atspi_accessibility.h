#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/accessibility_service.h"

namespace joyvane::atspi {

// The accessibility service on AT-SPI. A background thread with its own GLib loop follows focus
// events on the accessibility bus, the active X11 window and the accessibility status; every
// query answers from what it recorded, so a query never waits on another application.
//
// Only one instance may exist at a time (libatspi is process-wide).
class AtspiAccessibility final : public AccessibilityService {
  public:
    struct Options {
        // Whether synthetic input can be posted (XTest on X11); asked on the calling thread.
        std::function<bool()> canPostEvents = [] { return true; };
        int ownProcessId = 0;  // 0: this process
        std::string ownIdentifier = "joyvane";
        // Whether the active X11 window names the front application. Off on Wayland, where
        // DISPLAY leads to XWayland and its active window says nothing about native windows:
        // the front application then comes from the AT-SPI focus and activation events alone.
        bool followActiveX11Window = true;
        // Bound of each call to another application.
        int callTimeoutMs = 300;
        // What opens the desktop's accessibility settings; empty: found from the desktop.
        std::vector<std::string> settingsCommand;
    };

    AtspiAccessibility();
    explicit AtspiAccessibility(Options options);
    ~AtspiAccessibility() override;

    // Trusted when events can be posted and focus can be read: the accessibility bus answers,
    // its status is enabled and the focus listener runs.
    bool isProcessTrusted() const override;
    // Switches the accessibility status on when it is off and then, or when events cannot be
    // posted or the bus cannot be followed, opens the desktop's accessibility settings. Returns
    // at once; the work is done on the event thread.
    void requestTrustWithPrompt() override;
    std::optional<RunningApplication> frontmostApplication() const override;
    std::optional<std::string> ownIdentifier() const override;
    std::optional<FocusedElement> focusedElement(int processId) const override;

  private:
    struct Backend;
    std::unique_ptr<Backend> backend_;
};

}  // namespace joyvane::atspi
