#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <fstream>

#include "platform/linux/x11/xinput_devices.h"
#include "support/private_desktop.h"

namespace joyvane::testing {
namespace {

namespace fs = std::filesystem;

// The real program on a private desktop, after a run that crashed while it held a touchpad: the
// X server's own pointer device stands in for the controller's touchpad, switched off (through
// XInput, as the program does it) and named in the recovery file. The program must switch it on
// again and forget the file.
TEST(TouchpadRecovery, TheProgramGivesBackWhatACrashedRunLeftSwitchedOff) {
    PrivateDesktop desktop;
    JOYVANE_REQUIRE_PRIVATE_DESKTOP(desktop);
    std::string error;
    auto connection = x11::X11Connection::open(desktop.display().c_str(), &error);
    ASSERT_TRUE(connection) << error;
    x11::XInputDevices devices(connection);
    const auto all = devices.devices();
    const auto pointer = std::ranges::find_if(all, [](const x11::InputDevice& device) {
        return device.name.find("XTEST") == std::string::npos;
    });
    ASSERT_NE(pointer, all.end()) << "the X server has a pointer device of its own";
    auto enabledNow = [&, id = pointer->id] {
        return std::ranges::any_of(devices.devices(), [id](const x11::InputDevice& device) {
            return device.id == id && device.enabled;
        });
    };

    const fs::path runtime = desktop.environment().at("XDG_RUNTIME_DIR");
    fs::create_directories(runtime / "joyvane");
    ::chmod(runtime.c_str(), 0700);
    const fs::path file = runtime / "joyvane" / "touchpads-off";
    std::ofstream(file) << pointer->name << "\n";
    ASSERT_TRUE(devices.setEnabled(pointer->id, false));
    ASSERT_FALSE(enabledNow()) << "switched off as the crashed run left it";

    ChildProcess program({JOYVANE_PROGRAM}, desktop.environment(),
                         desktop.folder() / "joyvane.log");
    EXPECT_TRUE(
        pollUntil([&] { return enabledNow() && !fs::exists(file); }, std::chrono::seconds(15)))
        << "the device is still off or the recovery file is still there\n"
        << program.output();
}

}  // namespace
}  // namespace joyvane::testing
