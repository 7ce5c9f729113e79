// The desktop program itself on a headless desktop of its own: the tray icon, the main panel,
// onboarding, the menu-bar hint on a second launch, and what it does when the desktop fails
// under it. Screenshots go to the build folder (e2e-screenshots/) to be looked at.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/child_process.h"
#include "support/private_desktop.h"
#include "support/x_probe.h"

namespace joyvane::testing {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

const std::filesystem::path kScreenshots = JOYVANE_E2E_SCREENSHOTS;

// The program's window of this size (the panel 390 × 620, onboarding 480 × 580, the hint
// 380 × 380), if it is on screen.
std::optional<XWindowInfo> windowSized(const PrivateDesktop& desktop, pid_t pid, int width,
                                       int height) {
    for (const XWindowInfo& window : viewableWindowsOf(desktop.display(), pid)) {
        if (window.box.width == width && window.box.height == height) {
            return window;
        }
    }
    return std::nullopt;
}

std::string describeWindows(const PrivateDesktop& desktop, pid_t pid) {
    std::string text;
    for (const XWindowInfo& window : viewableWindowsOf(desktop.display(), pid)) {
        text += " \"" + window.name + "\" " + std::to_string(window.box.width) + "x" +
                std::to_string(window.box.height) + ";";
    }
    return text.empty() ? " none" : text;
}

class Program : public ::testing::Test {
  protected:
    // Starts the program; its output is kept in the desktop's folder.
    std::unique_ptr<ChildProcess> launch(const std::string& name = "joyvane") {
        return std::make_unique<ChildProcess>(std::vector<std::string>{JOYVANE_PROGRAM},
                                              desktop.environment(),
                                              desktop.folder() / (name + ".log"));
    }
    std::optional<XWindowInfo> trayIconOf(pid_t pid) {
        for (const XWindowInfo& icon : trayIcons(desktop.display())) {
            if (icon.pid == pid) {
                return icon;
            }
        }
        return std::nullopt;
    }
    // Waits for the program's icon in the tray.
    std::optional<XWindowInfo> waitForTrayIcon(ChildProcess& program) {
        std::optional<XWindowInfo> icon;
        pollUntil(
            [&] {
                icon = trayIconOf(program.pid());
                return icon || !program.running();
            },
            seconds(20));
        return icon;
    }
    void shoot(const std::string& name) {
        EXPECT_TRUE(desktop.screenshot(kScreenshots / (name + ".png"))) << name;
    }

    PrivateDesktop desktop;
};

TEST_F(Program, ItsIconAppearsInTheTrayAndAClickOnItOpensTheMainPanel) {
    JOYVANE_REQUIRE_PRIVATE_DESKTOP(desktop);
    auto program = launch();
    auto icon = waitForTrayIcon(*program);
    ASSERT_TRUE(icon) << program->output();
    shoot("tray-icon");
    // First launch: onboarding opens half a second after start. Close it, as a new user would,
    // before turning to the icon.
    std::optional<XWindowInfo> onboarding;
    ASSERT_TRUE(pollUntil(
        [&] { return (onboarding = windowSized(desktop, program->pid(), 480, 580)).has_value(); },
        seconds(10)));
    ASSERT_TRUE(closeWindow(desktop.display(), onboarding->id));
    ASSERT_TRUE(
        pollUntil([&] { return !windowSized(desktop, program->pid(), 480, 580); }, seconds(10)));

    ASSERT_TRUE(clickAt(desktop.display(), icon->box.centreX(), icon->box.centreY()));
    std::optional<XWindowInfo> panel;
    EXPECT_TRUE(pollUntil(
        [&] { return (panel = windowSized(desktop, program->pid(), 390, 620)).has_value(); },
        seconds(10)))
        << "windows:" << describeWindows(desktop, program->pid());
    shoot("main-panel");
    EXPECT_TRUE(program->running()) << program->output();
}

TEST_F(Program, FirstLaunchShowsOnboardingAndALaterOneDoesNot) {
    JOYVANE_REQUIRE_PRIVATE_DESKTOP(desktop);
    {
        auto first = launch("first");
        ASSERT_TRUE(waitForTrayIcon(*first)) << first->output();
        std::optional<XWindowInfo> onboarding;
        ASSERT_TRUE(pollUntil(
            [&] { return (onboarding = windowSized(desktop, first->pid(), 480, 580)).has_value(); },
            seconds(10)))
            << "windows:" << describeWindows(desktop, first->pid());
        shoot("onboarding");
        // Closed by its close button: it is not shown again.
        ASSERT_TRUE(closeWindow(desktop.display(), onboarding->id));
        ASSERT_TRUE(
            pollUntil([&] { return !windowSized(desktop, first->pid(), 480, 580); }, seconds(10)));
        first->stop();
    }
    auto later = launch("later");
    ASSERT_TRUE(waitForTrayIcon(*later)) << later->output();
    // Onboarding would come half a second after start; give it well over that.
    bool shown = pollUntil([&] { return windowSized(desktop, later->pid(), 480, 580).has_value(); },
                           milliseconds(2500));
    EXPECT_FALSE(shown) << "onboarding came back";
}

TEST_F(Program, ASecondLaunchShowsTheMenuBarHintAndExitsWithZero) {
    JOYVANE_REQUIRE_PRIVATE_DESKTOP(desktop);
    auto first = launch("first");
    ASSERT_TRUE(waitForTrayIcon(*first)) << first->output();
    auto second = launch("second");
    auto status = second->waitForExit(seconds(15));
    ASSERT_TRUE(status) << "the second launch is still running";
    EXPECT_EQ(describeStatus(*status), "exit 0") << second->output();
    EXPECT_TRUE(pollUntil([&] { return windowSized(desktop, first->pid(), 380, 380).has_value(); },
                          seconds(10)))
        << "windows:" << describeWindows(desktop, first->pid());
    shoot("menu-bar-hint");
    EXPECT_TRUE(first->running());
}

TEST_F(Program, TheIconComesBackWhenTheTrayHostRestarts) {
    JOYVANE_REQUIRE_PRIVATE_DESKTOP(desktop);
    auto program = launch();
    ASSERT_TRUE(waitForTrayIcon(*program)) << program->output();
    desktop.stopTray();
    ASSERT_TRUE(desktop.startTray());
    EXPECT_TRUE(waitForTrayIcon(*program)) << program->output();
    EXPECT_TRUE(program->running()) << program->output();
}

TEST_F(Program, WhenTheXServerGoesAwayItExitsWithOneAndAClearMessage) {
    JOYVANE_REQUIRE_PRIVATE_DESKTOP(desktop);
    auto program = launch();
    ASSERT_TRUE(waitForTrayIcon(*program)) << program->output();
    desktop.stopXServer();
    auto status = program->waitForExit(seconds(15));
    ASSERT_TRUE(status) << "still running after the X server went away";
    EXPECT_EQ(describeStatus(*status), "exit 1") << program->output();
    // The message names what went away.
    std::string output = program->output();
    EXPECT_TRUE(output.find("X11") != std::string::npos ||
                output.find("X server") != std::string::npos ||
                output.find("display") != std::string::npos)
        << output;
}

}  // namespace
}  // namespace joyvane::testing
