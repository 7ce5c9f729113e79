#include <QTemporaryDir>
#include <functional>

#include "../ui/ui_fixture.h"
#include "app/device_access_monitor.h"
#include "app/touchpad_ownership.h"
#include "platform/linux/x11/touchpad_owner.h"
#include "support/recording_input_switch.h"

namespace joyvane::app {
namespace {

using linux_desktop::ControllerAccess;
using linux_desktop::DeviceAccessReport;
using linux_desktop::HidBus;

// The engine on the sim platform with the touchpad's owner and the device-access monitor around
// it.
class DevicesTest : public ::testing::Test, public ui::test::UiEngine {
  protected:
    DevicesTest() {
        server.list = {{9, "SynPS/2 Synaptics TouchPad", true},
                       {13, "DualSense Wireless Controller Touchpad", true}};
    }

    QTemporaryDir folder;
    // One X server with a laptop touchpad and, while a DualSense is plugged in, its touchpad.
    testing::RecordingInputSwitch server;
    x11::TouchpadOwner owner{server, folder.filePath("touchpads-off").toStdString()};
    DeviceAccessReport machine;
    int probes = 0;
    std::vector<std::string> said;

    static ControllerAccess dualSense(bool readWrite) {
        return {"DualSense", HidBus::bluetooth, 0x054c, 0x0ce6, "/dev/hidraw4", readWrite, {}, {}};
    }
};

// Held exactly while the touchpad pointer is in use: control on, touchpad movement on and a
// controller with a touchpad attached, also when its touchpad shows up after the controller.
TEST_F(DevicesTest, HeldExactlyWhileTheTouchpadPointerIsInUse) {
    manager.touchpadEnabled = true;
    TouchpadOwnership ownership(manager, sim.scheduler, owner);
    sim.scheduler.runQueued();
    auto pad = connect(PhysicalProfile::other);
    ASSERT_TRUE(manager.isConnected.get());
    EXPECT_TRUE(server.list[1].enabled) << "a pad without a touchpad takes nothing";
    sim.controllers.disconnect(pad);

    const auto touchpad = server.list[1];
    server.list.pop_back();
    auto controller = connect();
    server.list.push_back(touchpad);
    sim.scheduler.advanceBy(TouchpadOwnership::kRecheckInterval);
    EXPECT_FALSE(server.list[1].enabled) << "taken when it shows up after the controller";
    EXPECT_TRUE(server.list[0].enabled) << "the laptop's touchpad is never touched";

    const int queries = server.queries;
    for (int i = 0; i < 10; ++i) {
        manager.sensitivity = 5.0 + i;
        sim.scheduler.runQueued();
    }
    EXPECT_EQ(server.queries, queries) << "other engine changes do not ask the server";

    const std::pair<std::function<void()>, bool> steps[] = {
        {[&] { manager.touchpadEnabled = false; }, false},
        {[&] { manager.touchpadEnabled = true; }, true},
        {[&] { manager.setEnabled(false); }, false},
        {[&] { manager.setEnabled(true); }, true},
        {[&] { sim.controllers.disconnect(controller); }, false},
    };
    for (const auto& [step, held] : steps) {
        step();
        sim.scheduler.runQueued();
        EXPECT_EQ(server.list[1].enabled, !held);
    }
}

// Probed at start, on every connection and on request; a controller out of reach is said once
// on standard error, with its node and the command that fixes it.
TEST_F(DevicesTest, AccessIsProbedOnEveryChangeAndSaidOnce) {
    DeviceAccessMonitor monitor(
        sim.controllers, [this] { return ++probes, machine; },
        [this](const std::string& line) { said.push_back(line); }, "/usr/bin/joyvane");
    machine.controllers = {dualSense(true)};
    monitor.checkAgain();
    EXPECT_TRUE(said.empty());
    machine.controllers = {dualSense(false)};
    auto controller = connect();
    EXPECT_EQ(probes, 3);
    EXPECT_EQ(monitor.report.get().blocked().size(), 1u);
    monitor.checkAgain();
    ASSERT_EQ(said.size(), 1u);
    EXPECT_NE(said[0].find("(/dev/hidraw4)"), std::string::npos) << said[0];
    EXPECT_NE(said[0].find("run: /usr/bin/joyvane --udev-rules |"), std::string::npos) << said[0];

    machine.controllers = {dualSense(true)};
    monitor.checkAgain();
    EXPECT_TRUE(monitor.report.get().blocked().empty());
    machine.controllers.clear();
    sim.controllers.disconnect(controller);
    sim.scheduler.runQueued();
    EXPECT_EQ(probes, 6);
}

}  // namespace
}  // namespace joyvane::app
