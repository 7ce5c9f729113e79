#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "../linux/desktop/temp_folder.h"
#include "platform/linux/x11/xinput_devices.h"

namespace joyvane::app {
namespace {

namespace fs = std::filesystem;

// The real program on the private desktop (scripts/with-desktop.sh), after a run that crashed
// while it held a touchpad: the X server's own pointer device stands in for the controller's
// touchpad, switched off and named in the recovery file. The program must switch it on again.
TEST(TouchpadRecovery, TheProgramGivesBackWhatACrashedRunLeftSwitchedOff) {
    if (std::getenv("DISPLAY") == nullptr) {
        GTEST_SKIP() << "needs the private desktop";
    }
    std::string error;
    auto connection = x11::X11Connection::open(nullptr, &error);
    ASSERT_TRUE(connection) << error;
    x11::XInputDevices devices(connection);
    std::optional<x11::InputDevice> pointer;
    for (const auto& device : devices.devices()) {
        if (device.name.find("XTEST") == std::string::npos) {
            pointer = device;
        }
    }
    ASSERT_TRUE(pointer) << "the X server has a pointer device of its own";
    auto enabledNow = [&] {
        for (const auto& device : devices.devices()) {
            if (device.id == pointer->id) {
                return device.enabled;
            }
        }
        return false;
    };

    joyvane::testing::TempFolder folder;
    const fs::path runtime = folder.path() / "runtime";
    fs::create_directories(runtime);
    ::chmod(runtime.c_str(), 0700);
    const fs::path file = folder.write("runtime/joyvane/touchpads-off", pointer->name + "\n");
    ASSERT_TRUE(devices.setEnabled(pointer->id, false));

    const pid_t child = ::fork();
    if (child == 0) {
        ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (folder.path() / "config").c_str(), 1);
        ::unsetenv("QT_QPA_PLATFORM");
        ::execl(JOYVANE_PROGRAM, JOYVANE_PROGRAM, static_cast<char*>(nullptr));
        ::_exit(127);
    }
    bool given = false;
    for (int i = 0; i < 150 && !given; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        given = enabledNow() && !fs::exists(file);
    }
    ::kill(child, SIGTERM);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!enabledNow()) {
        devices.setEnabled(pointer->id, true);
    }
    EXPECT_TRUE(given) << "the device is on again and the recovery file is gone";
}

}  // namespace
}  // namespace joyvane::app
