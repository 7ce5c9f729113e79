#include "platform/linux/atspi/focus_cache.h"

#include <gtest/gtest.h>

#include "platform/linux/atspi/settings_command.h"

namespace joyvane::atspi {
namespace {

constexpr int kOwnPid = 100;
const FocusedElement field{"AXTextField", {}};
const FocusedElement button{"AXButton", {}};

// Answers from the latest focus reports; with X11, from the active window; and only this
// process is "joyvane".
TEST(FocusCache, AnswersFromTheLatestReportsOrTheActiveWindowAndOnlyWeAreUs) {
    FocusCache cache(kOwnPid, "joyvane");
    EXPECT_EQ(cache.frontmostApplication(), std::nullopt);
    EXPECT_EQ(cache.focusedElement(200), std::nullopt);

    cache.applicationActivated(200, "gedit");
    EXPECT_FALSE(cache.hasReported(200)) << "activated, but no focus reported yet";
    cache.focusGained(200, "gedit", ":1.5:/a", field);
    EXPECT_TRUE(cache.hasReported(200));
    EXPECT_EQ(cache.frontmostApplication(), (RunningApplication{"gedit", 200}));
    EXPECT_EQ(cache.focusedElement(200)->role, "AXTextField");

    // Focus moves to a button: the field's late loss must not clear the button.
    cache.focusGained(200, std::nullopt, ":1.5:/b", button);
    cache.focusLost(200, ":1.5:/a");
    EXPECT_EQ(cache.focusedElement(200)->role, "AXButton");
    EXPECT_EQ(cache.frontmostApplication()->identifier, "gedit") << "the name is remembered";

    // The focused element itself loses focus: nothing is focused in that application.
    cache.focusLost(200, ":1.5:/b");
    EXPECT_EQ(cache.focusedElement(200), std::nullopt);

    // Another application comes forward; the first keeps its own record.
    cache.focusGained(300, "firefox", ":1.9:/c", field);
    cache.applicationActivated(200, std::nullopt);
    EXPECT_EQ(cache.frontmostApplication(), (RunningApplication{"gedit", 200}));
    EXPECT_EQ(cache.focusedElement(300)->role, "AXTextField");

    // With X11, the active window decides the front application.
    cache.setWindowSystemAvailable(true);
    EXPECT_EQ(cache.frontmostApplication(), std::nullopt) << "no window is active";

    // An application without accessibility is in front: the window system names it.
    cache.setActiveWindow(ActiveWindow{400, "XTerm"});
    EXPECT_EQ(cache.frontmostApplication(), (RunningApplication{"XTerm", 400}));
    EXPECT_EQ(cache.focusedElement(400), std::nullopt);

    cache.setActiveWindow(ActiveWindow{200, "Gedit"});
    EXPECT_EQ(cache.frontmostApplication(), (RunningApplication{"gedit", 200}))
        << "the accessible name is preferred to the window class";

    cache.setActiveWindow(ActiveWindow{std::nullopt, "Odd"});
    EXPECT_EQ(cache.frontmostApplication(), (RunningApplication{"gedit", 200}))
        << "a window without a process id leaves it to the focus events";

    cache.setWindowSystemAvailable(false);
    cache.setActiveWindow(std::nullopt);
    EXPECT_EQ(cache.frontmostApplication(), (RunningApplication{"gedit", 200}));

    cache.setWindowSystemAvailable(true);
    cache.setActiveWindow(ActiveWindow{500, std::nullopt});
    EXPECT_EQ(cache.frontmostApplication(), (RunningApplication{"pid:500", 500}));
    // Only this process is "joyvane": not a second copy, nor any application of that name.
    cache.focusGained(600, "joyvane", ":1.7:/y", field);
    cache.setActiveWindow(ActiveWindow{600, "joyvane"});
    EXPECT_EQ(cache.frontmostApplication()->processId, 600);
    EXPECT_NE(cache.frontmostApplication()->identifier, "joyvane");
    cache.setActiveWindow(ActiveWindow{kOwnPid, "other"});
    EXPECT_EQ(cache.frontmostApplication(), (RunningApplication{"joyvane", kOwnPid}));
}

TEST(SettingsCommand, PrefersTheRunningDesktop) {
    using Command = std::vector<std::string>;
    auto everything = [](const std::string&) { return true; };
    auto onlyGnome = [](const std::string& program) { return program == "gnome-control-center"; };
    EXPECT_EQ(accessibilitySettingsCommand("ubuntu:GNOME", everything),
              (Command{"gnome-control-center", "universal-access"}));
    EXPECT_EQ(accessibilitySettingsCommand("KDE", everything),
              (Command{"systemsettings", "kcm_access"}));
    EXPECT_EQ(accessibilitySettingsCommand("KDE", onlyGnome),
              (Command{"gnome-control-center", "universal-access"}));
    EXPECT_EQ(accessibilitySettingsCommand("GNOME", [](const std::string&) { return false; }),
              std::nullopt);
}

}  // namespace
}  // namespace joyvane::atspi
