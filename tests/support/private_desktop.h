#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "support/child_process.h"

// A headless desktop of one test's own: a session bus, an Xvfb display with XTest and RandR,
// the accessibility bus (enabled), a window manager and a tray host, and private XDG folders.
// Each service is a child of the test, so a test can take one away (the X server, the tray
// host, the accessibility bus) and watch what the program does.
namespace joyvane::testing {

struct DesktopOptions {
    bool onlyXServer = false;
    bool tray = true;
    // Whether the session bus starts services on demand. Off, a service the test stops stays
    // stopped instead of coming back on the next call (the accessibility bus would).
    bool serviceActivation = true;
    bool xtest = true;
    std::string size = "1440x900";
};

// Only an X server, for tests of the X11 backend.
inline DesktopOptions xServerOnly(std::string size = "1440x900", bool xtest = true) {
    return {.onlyXServer = true, .xtest = xtest, .size = std::move(size)};
}

class PrivateDesktop {
  public:
    explicit PrivateDesktop(DesktopOptions options = {});
    ~PrivateDesktop();
    PrivateDesktop(const PrivateDesktop&) = delete;
    PrivateDesktop& operator=(const PrivateDesktop&) = delete;

    // Empty when every service started; otherwise what failed.
    const std::string& error() const { return error_; }
    // ":N"
    const std::string& display() const { return display_; }
    // The environment a program of this desktop runs with.
    const Environment& environment() const { return environment_; }
    // A folder for the test's files, removed with the desktop.
    const std::filesystem::path& folder() const { return folder_; }

    // Points this process at the desktop too (DISPLAY, session bus, XDG folders).
    void adoptEnvironment() const;

    void stopXServer() { xServer_.reset(); }
    void stopTray();
    bool startTray();
    void stopAccessibilityBus() { accessibilityBus_.reset(); }

  private:
    bool startSessionBus(bool serviceActivation);
    bool startXServer(const std::string& size, bool xtest);
    bool startAccessibilityBus();

    // Starts a service and waits until it is `ready`; false, with the reason in error(), when
    // it is not ready in time.
    bool startService(std::unique_ptr<ChildProcess>& service, const std::vector<std::string>& argv,
                      const std::function<bool()>& ready);

    std::string error_;
    std::string display_;
    std::filesystem::path folder_;
    Environment environment_;
    std::unique_ptr<ChildProcess> sessionBus_;
    std::unique_ptr<ChildProcess> xServer_;
    std::unique_ptr<ChildProcess> accessibilityBus_;
    std::unique_ptr<ChildProcess> windowManager_;
    std::unique_ptr<ChildProcess> tray_;
};

// Fails the test with the desktop's error unless every service started.
#define JOYVANE_REQUIRE_PRIVATE_DESKTOP(desktop) \
    ASSERT_TRUE((desktop).error().empty()) << "private desktop: " << (desktop).error()

}  // namespace joyvane::testing
