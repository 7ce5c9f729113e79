#pragma once

#include <map>
#include <mutex>
#include <optional>
#include <string>

#include "platform/accessibility_service.h"

namespace joyvane::atspi {

// What the window system says about the active window.
struct ActiveWindow {
    std::optional<int> processId;        // _NET_WM_PID, when the client sets it
    std::optional<std::string> wmClass;  // the class part of WM_CLASS
};

// The focus as the accessibility events reported it, kept for the focus monitor's questions.
// Written from the event thread, read from the main thread; every call takes a short lock and
// never waits on anything else.
//
// The frontmost application is the one owning the active window: the window system's active
// window when it names its process, otherwise the application of the latest AT-SPI focus or
// activation. An application's identifier is its accessible name (or its window class, or
// "pid:<n>"); the program itself, recognised by its process id, is `ownIdentifier`, and no other
// application is ever given that identifier.
class FocusCache {
  public:
    FocusCache(int ownProcessId, std::string ownIdentifier);

    // `element` has focus in the application `processId`, whose accessible name is `appName`.
    // `elementKey` names the element so that a later focus loss can be matched with it.
    void focusGained(int processId, std::optional<std::string> appName, std::string elementKey,
                     FocusedElement element);
    void focusLost(int processId, const std::string& elementKey);
    void applicationActivated(int processId, std::optional<std::string> appName);
    // The application `processId` has gone: forget all about it, so that a later process that
    // gets the same id starts afresh.
    void forget(int processId);

    // The window system's view: absent when there is no window system to ask; a window without
    // a process id leaves the choice to the AT-SPI events.
    void setWindowSystemAvailable(bool available);
    void setActiveWindow(std::optional<ActiveWindow> window);

    std::optional<RunningApplication> frontmostApplication() const;
    std::optional<FocusedElement> focusedElement(int processId) const;
    const std::string& ownIdentifier() const { return ownIdentifier_; }
    // Whether a focus of this application has ever been reported.
    bool hasReported(int processId) const;

  private:
    struct Application {
        std::optional<std::string> name;
        std::string elementKey;
        std::optional<FocusedElement> focused;
        bool reported = false;
    };

    std::string identifierOf(int processId, const std::optional<std::string>& fallback) const;
    void remember(int processId, std::optional<std::string> appName);

    const int ownProcessId_;
    const std::string ownIdentifier_;
    mutable std::mutex mutex_;
    std::map<int, Application> applications_;
    std::optional<int> lastActive_;
    bool windowSystem_ = false;
    std::optional<ActiveWindow> activeWindow_;
};

}  // namespace joyvane::atspi
