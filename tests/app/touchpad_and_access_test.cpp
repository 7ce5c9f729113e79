#include <gtest/gtest.h>

#include <algorithm>

#include "../linux/desktop/temp_folder.h"
#include "app/device_access_monitor.h"
#include "app/touchpad_ownership.h"
#include "engine/controller_manager.h"
#include "keyboard/ps_keyboard_controller.h"
#include "output/mouse_controller.h"
#include "platform/linux/x11/touchpad_owner.h"
#include "platform/sim/sim_platform.h"

namespace joyvane::app {
namespace {

using linux_desktop::ControllerAccess;
using linux_desktop::DeviceAccessReport;
using linux_desktop::HidBus;

// One X server with a laptop touchpad and, while a DualSense is plugged in, its touchpad.
class FakeServer : public x11::InputDeviceSwitch {
  public:
    std::vector<x11::InputDevice> list{{9, "SynPS/2 Synaptics TouchPad", true},
                                       {13, "DualSense Wireless Controller Touchpad", true}};
    int queries = 0;
    std::vector<x11::InputDevice> devices() override {
        ++queries;
        return list;
    }
    bool setEnabled(int id, bool enabled) override {
        for (auto& device : list) {
            if (device.id == id) {
                device.enabled = enabled;
                return true;
            }
        }
        return false;
    }
    bool controllerTouchpadOn() const { return list[1].enabled; }
};

class EngineTest : public ::testing::Test {
  protected:
    sim::SimPlatform sim;
    MouseController mouse{sim.poster, sim.screens};
    PSKeyboardController keyboard{sim.scheduler, sim.poster, sim.accessibility, sim.panels};
    ControllerManager manager{sim.platform(), mouse, keyboard};

    std::shared_ptr<sim::SimController> connectDualSense(
        PhysicalProfile profile = PhysicalProfile::dualSense) {
        sim::SimControllerSpec spec;
        spec.category = "DualSense Wireless Controller";
        spec.physical = profile;
        auto controller = std::make_shared<sim::SimController>(spec);
        sim.controllers.connect(controller);
        sim.scheduler.runQueued();
        return controller;
    }
};

class TouchpadOwnershipTest : public EngineTest {
  protected:
    joyvane::testing::TempFolder folder;
    FakeServer server;
    x11::TouchpadOwner owner{server, folder.path() / "touchpads-off"};
};

TEST_F(TouchpadOwnershipTest, HeldExactlyWhileTheTouchpadPointerIsInUse) {
    manager.touchpadEnabled = true;
    TouchpadOwnership ownership(manager, sim.scheduler, owner);
    sim.scheduler.runQueued();
    EXPECT_TRUE(server.controllerTouchpadOn()) << "no controller yet";

    auto controller = connectDualSense();
    ASSERT_TRUE(manager.isEnabled().get());
    EXPECT_FALSE(server.controllerTouchpadOn());
    EXPECT_TRUE(server.list[0].enabled) << "the laptop's touchpad is never touched";

    manager.touchpadEnabled = false;
    sim.scheduler.runQueued();
    EXPECT_TRUE(server.controllerTouchpadOn());
    manager.touchpadEnabled = true;
    sim.scheduler.runQueued();
    EXPECT_FALSE(server.controllerTouchpadOn());

    manager.setEnabled(false);
    sim.scheduler.runQueued();
    EXPECT_TRUE(server.controllerTouchpadOn());
    manager.setEnabled(true);
    sim.scheduler.runQueued();
    EXPECT_FALSE(server.controllerTouchpadOn());

    sim.controllers.disconnect(controller);
    sim.scheduler.runQueued();
    EXPECT_TRUE(server.controllerTouchpadOn());
}

TEST_F(TouchpadOwnershipTest, OtherEngineChangesDoNotAskTheServer) {
    manager.touchpadEnabled = true;
    TouchpadOwnership ownership(manager, sim.scheduler, owner);
    connectDualSense();
    const int queries = server.queries;
    for (int i = 0; i < 10; ++i) {
        manager.sensitivity = 5.0 + i;
        sim.scheduler.runQueued();
    }
    EXPECT_EQ(server.queries, queries);
}

TEST_F(TouchpadOwnershipTest, APadWithoutATouchpadTakesNothing) {
    manager.touchpadEnabled = true;
    TouchpadOwnership ownership(manager, sim.scheduler, owner);
    connectDualSense(PhysicalProfile::other);
    ASSERT_TRUE(manager.isConnected.get());
    EXPECT_TRUE(server.controllerTouchpadOn());
}

TEST_F(TouchpadOwnershipTest, TakesATouchpadThatShowsUpAfterTheController) {
    manager.touchpadEnabled = true;
    const auto touchpad = server.list[1];
    server.list.pop_back();
    TouchpadOwnership ownership(manager, sim.scheduler, owner);
    connectDualSense();
    server.list.push_back(touchpad);
    sim.scheduler.advanceBy(TouchpadOwnership::kRecheckInterval);
    EXPECT_FALSE(server.controllerTouchpadOn());
}

TEST_F(TouchpadOwnershipTest, GivingBackOnTheWayOutWins) {
    manager.touchpadEnabled = true;
    TouchpadOwnership ownership(manager, sim.scheduler, owner);
    connectDualSense();
    ASSERT_FALSE(server.controllerTouchpadOn());
    owner.giveBack();  // what the shutdown path calls
    EXPECT_TRUE(server.controllerTouchpadOn());
}

class DeviceAccessMonitorTest : public EngineTest {
  protected:
    DeviceAccessReport machine;
    int probes = 0;
    std::vector<std::string> said;

    DeviceAccessMonitor makeMonitor() {
        return DeviceAccessMonitor(
            sim.controllers,
            [this] {
                ++probes;
                return machine;
            },
            [this](const std::string& line) { said.push_back(line); }, "/usr/bin/joyvane");
    }
    static ControllerAccess dualSense(bool readWrite) {
        ControllerAccess access;
        access.model = "DualSense";
        access.bus = HidBus::bluetooth;
        access.vendor = 0x054c;
        access.product = 0x0ce6;
        access.node = "/dev/hidraw4";
        access.readWrite = readWrite;
        return access;
    }
};

TEST_F(DeviceAccessMonitorTest, ProbesAtStartOnEveryConnectionAndOnRequest) {
    auto monitor = makeMonitor();
    EXPECT_EQ(probes, 1);
    machine.controllers = {dualSense(false)};
    auto controller = connectDualSense();
    EXPECT_EQ(probes, 2);
    EXPECT_EQ(monitor.report.get().blocked().size(), 1u);

    machine.controllers = {dualSense(true)};
    monitor.checkAgain();
    EXPECT_TRUE(monitor.report.get().blocked().empty());

    machine.controllers.clear();
    sim.controllers.disconnect(controller);
    sim.scheduler.runQueued();
    EXPECT_EQ(probes, 4);
}

TEST_F(DeviceAccessMonitorTest, SaysItOnceOnStandardError) {
    machine.controllers = {dualSense(false)};
    auto monitor = makeMonitor();
    monitor.checkAgain();
    connectDualSense();
    ASSERT_EQ(said.size(), 1u);
    EXPECT_EQ(said[0],
              "cannot open the controller's hidraw node for DualSense over Bluetooth "
              "(/dev/hidraw4): its touchpad and exact battery level will not work; to fix it "
              "run: /usr/bin/joyvane --udev-rules | sudo tee /etc/udev/rules.d/70-joyvane.rules "
              ">/dev/null && sudo udevadm control --reload-rules && sudo udevadm trigger, then "
              "plug the controller in again.");
}

TEST_F(DeviceAccessMonitorTest, NothingToSayWithAccessOrWithoutAPlayStationController) {
    auto monitor = makeMonitor();
    machine.controllers = {dualSense(true)};
    monitor.checkAgain();
    EXPECT_TRUE(said.empty());
}

}  // namespace
}  // namespace joyvane::app
