// The AT-SPI backend against a real Qt window in another process, inside the private desktop.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <thread>

#include "../desktop/temp_folder.h"
#include "platform/linux/atspi/atspi_accessibility.h"
#include "support/child_process.h"
#include "support/x_probe.h"

namespace joyvane::atspi {
namespace {

using namespace joyvane::testing;
using std::chrono::seconds;

bool waitFor(const std::function<bool()>& done, std::chrono::milliseconds limit = seconds(5)) {
    return pollUntil(done, limit);
}

std::string roleIn(const AtspiAccessibility& backend, int pid) {
    auto element = backend.focusedElement(pid);
    return element && element->role ? *element->role : "";
}

bool setAccessibilityEnabled(bool enabled) {
    std::string command =
        "gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus --method "
        "org.freedesktop.DBus.Properties.Set org.a11y.Status IsEnabled '<" +
        std::string(enabled ? "true" : "false") + ">' >/dev/null";
    return std::system(command.c_str()) == 0;
}

// One backend against a real Qt window. The field focused before the backend started is found;
// Tab then moves through a button, a read-only text view and a focusable label, which are not
// fields, back to the line. Once the application leaves the bus it is forgotten: a later process
// given the same id must not inherit its focused text field. Then trust follows the
// accessibility status, and asking for it switches the status on and opens the settings.
TEST(AtspiAccessibility, FindsTheFocusedFieldForgetsALeavingApplicationAndFollowsTheStatus) {
    ASSERT_TRUE(std::getenv("DISPLAY") && std::getenv("DBUS_SESSION_BUS_ADDRESS"))
        << "run inside scripts/with-desktop.sh";
    TempFolder folder;
    Environment environment = currentEnvironment();
    environment["QT_QPA_PLATFORM"] = "xcb";
    auto helper = std::make_unique<ChildProcess>(std::vector<std::string>{JOYVANE_FOCUS_WINDOW},
                                                 environment, folder.path() / "window.log");
    const int pid = helper->pid();
    // The window says "active" once the window manager has activated it.
    ASSERT_TRUE(waitFor([&] { return helper->output().starts_with("active"); }, seconds(10)));
    std::this_thread::sleep_for(std::chrono::milliseconds(500));  // its focus settled

    const auto marker = folder.path() / "settings-opened";
    bool canPost = true;
    AtspiAccessibility::Options options;
    options.canPostEvents = [&] { return canPost; };
    options.settingsCommand = {"touch", marker.string()};  // stands in for the settings
    AtspiAccessibility backend(options);
    ASSERT_TRUE(waitFor([&] { return roleIn(backend, pid) == "AXTextField"; }))
        << "found " << roleIn(backend, pid);
    auto front = backend.frontmostApplication();
    ASSERT_TRUE(front);
    EXPECT_EQ(front->identifier, "joyvane-focus-helper");
    for (const char* role : {"AXButton", "AXStaticText", "AXStaticText", "AXTextField"}) {
        typeKey(std::getenv("DISPLAY"), "Tab");
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        EXPECT_TRUE(waitFor([&] { return roleIn(backend, pid) == role; }, seconds(3)))
            << "expected " << role << ", saw " << roleIn(backend, pid);
    }
    helper.reset();
    EXPECT_TRUE(waitFor([&] { return !backend.focusedElement(pid).has_value(); }))
        << "still remembered as " << roleIn(backend, pid);

    ASSERT_TRUE(waitFor([&] { return backend.isProcessTrusted(); }));
    canPost = false;
    EXPECT_FALSE(backend.isProcessTrusted()) << "trusted without a way to post events";
    canPost = true;
    // Already trusted: asking again opens nothing.
    backend.requestTrustWithPrompt();
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_FALSE(std::filesystem::exists(marker)) << "settings opened although trusted";

    ASSERT_TRUE(setAccessibilityEnabled(false));
    EXPECT_TRUE(waitFor([&] { return !backend.isProcessTrusted(); }))
        << "still trusted with the accessibility status off";
    backend.requestTrustWithPrompt();
    EXPECT_TRUE(waitFor([&] { return backend.isProcessTrusted(); }))
        << "the request did not switch the accessibility status on";
    EXPECT_TRUE(waitFor([&] { return std::filesystem::exists(marker); }))
        << "the accessibility settings were not opened";
    setAccessibilityEnabled(true);
}

}  // namespace
}  // namespace joyvane::atspi
