#include <gtest/gtest.h>

#include <algorithm>

#include "platform/linux/x11/xinput_devices.h"
#include "support/private_desktop.h"

namespace joyvane::x11 {
namespace {

using testing::PrivateDesktop;
using testing::xServerOnly;

// Against the private Xvfb's own pointer device, which the server lets a client switch off
// and on like a controller's touchpad.
TEST(XInputDevices, ListsPointersAndSwitchesOneOffAndOnAgain) {
    PrivateDesktop server{xServerOnly()};
    JOYVANE_REQUIRE_PRIVATE_DESKTOP(server);
    std::string error;
    auto connection = X11Connection::open(server.display().c_str(), &error);
    ASSERT_TRUE(connection) << error;
    XInputDevices devices(connection);

    const auto list = devices.devices();
    auto mouse = std::find_if(list.begin(), list.end(), [](const InputDevice& device) {
        return device.name.find("XTEST") == std::string::npos;
    });
    ASSERT_NE(mouse, list.end()) << "Xvfb has a pointer device of its own";
    ASSERT_TRUE(mouse->enabled);
    const int id = mouse->id;
    auto enabledNow = [&devices, id] {
        for (const auto& device : devices.devices()) {
            if (device.id == id) {
                return device.enabled;
            }
        }
        return true;
    };

    EXPECT_TRUE(devices.setEnabled(id, false));
    EXPECT_FALSE(enabledNow());
    EXPECT_TRUE(devices.setEnabled(id, true));
    EXPECT_TRUE(enabledNow());
    EXPECT_FALSE(devices.setEnabled(4242, false)) << "no such device";
}

}  // namespace
}  // namespace joyvane::x11
