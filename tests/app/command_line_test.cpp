#include <gtest/gtest.h>

#include <sstream>

#include "app/backend_choice.h"
#include "app/command_line.h"
#include "app/diagnose.h"
#include "platform/linux/desktop/device_access.h"

namespace joyvane::app {
namespace {

struct Answer {
    std::optional<int> status;
    std::string out;
    std::string err;
};

Answer answer(std::vector<std::string> words) {
    words.insert(words.begin(), "joyvane");
    std::vector<char*> argv;
    for (auto& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    std::ostringstream out;
    std::ostringstream err;
    auto status = answerCommandLine(static_cast<int>(words.size()), argv.data(), out, err);
    return {status, out.str(), err.str()};
}

TEST(CommandLine, VersionHelpAndRulesAnswerWithoutStartingAndUnknownOptionsAreAnError) {
    EXPECT_EQ(answer({"--version"}).out, "joyvane " JOYVANE_EXPECTED_VERSION "\n");
    for (const char* help : {"--help", "-h"}) {
        const Answer answered = answer({help});
        EXPECT_EQ(answered.status, 0);
        EXPECT_TRUE(answered.out.starts_with("Usage: joyvane [OPTION]\n")) << help;
    }
    const Answer rules = answer({"--udev-rules"});
    EXPECT_EQ(rules.status, 0);
    EXPECT_EQ(rules.out, linux_desktop::udevRulesText());
    EXPECT_EQ(answer({}).status, std::nullopt);
    EXPECT_EQ(answer({"-platform", "xcb"}).status, std::nullopt);

    const Answer unknown = answer({"--verison"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_TRUE(unknown.out.empty());
    EXPECT_EQ(unknown.err, "joyvane: unknown option --verison; see joyvane --help\n");
}

// The controller part of --diagnose on a fake machine: a DualSense over USB that SDL drives
// through its hidraw node, a DualShock 4 over Bluetooth whose node is closed (SDL falls back
// to the event device), a second DualSense whose SDL path is unknown (it gets the other node),
// and an Xbox pad.
TEST(Diagnose, ControllersOnAFakeMachine) {
    using linux_desktop::HidBus;
    const std::string touchpad =
        "Sony Interactive Entertainment DualSense Wireless Controller Touchpad";
    linux_desktop::DeviceAccessReport access;
    access.controllers = {
        {"DualSense", HidBus::usb, 0x054c, 0x0ce6, "/dev/hidraw0", true, touchpad,
         "ps-controller-battery-0c"},
        {"DualShock 4", HidBus::bluetooth, 0x054c, 0x09cc, "/dev/hidraw1", false, {}, {}},
        {"DualSense", HidBus::usb, 0x054c, 0x0ce6, "/dev/hidraw2", true, {}, {}}};
    std::ostringstream out;
    printControllers(out,
                     {{"PS5 Controller", 0x054c, 0x0ce6, "/dev/hidraw0"},
                      {"PS4 Controller", 0x054c, 0x09cc, "/dev/input/event7"},
                      {"PS5 Controller", 0x054c, 0x0ce6, ""},
                      {"Xbox Series X Controller", 0x045e, 0x0b12, "/dev/input/event9"}},
                     access);
    for (const std::string& line : std::vector<std::string>{
             "controllers: 4\n- PS5 Controller\n  ids: 054c:0ce6\n  SDL device: /dev/hidraw0\n",
             "hidraw: /dev/hidraw0 over USB, writable\n",
             "battery: kernel power supply ps-controller-battery-0c\n",
             "touchpad device: " + touchpad, "hidraw: /dev/hidraw1 over Bluetooth, NOT writable",
             "SDL device: (unknown)\n  hidraw: /dev/hidraw2 over USB",
             "Controller\n  ids: 045e:0b12\n  SDL device: /dev/input/event9\n  hidraw: none"}) {
        EXPECT_NE(out.str().find(line), std::string::npos) << line << "\nin\n" << out.str();
    }
}

TEST(BackendChoice, TheSessionDecidesAndTheOverrideWins) {
    using B = SessionBackend;
    struct Case {
        SessionEnvironment environment;
        B backend;
        bool warned;
    };
    const Case cases[] = {
        {{"x11", "", ""}, B::x11, false},
        {{"", "", ""}, B::x11, false},  // no session type at all: a plain X server
        {{"tty", "", ""}, B::x11, false},
        {{"wayland", "", ""}, B::wayland, false},
        {{"", "wayland-0", ""}, B::wayland, false},
        {{"x11", "wayland-1", ""}, B::wayland, false},  // a nested compositor
        {{"wayland", "wayland-0", "x11"}, B::x11, false},
        {{"x11", "", "wayland"}, B::wayland, false},
        {{"wayland", "", "mir"}, B::wayland, true},
        {{"x11", "", "WAYLAND"}, B::x11, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.environment.sessionType + "/" + c.environment.waylandDisplay + "/" +
                     c.environment.override);
        BackendChoice choice = chooseBackend(c.environment);
        EXPECT_EQ(choice.backend, c.backend);
        EXPECT_STREQ(choice.qtPlatform, c.backend == B::wayland ? "wayland" : "xcb");
        EXPECT_EQ(!choice.warning.empty(), c.warned);
    }
}

}  // namespace
}  // namespace joyvane::app
