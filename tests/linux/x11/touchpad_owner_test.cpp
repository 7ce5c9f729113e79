#include <gtest/gtest.h>

#include "../desktop/temp_folder.h"
#include "platform/linux/desktop/atomic_file.h"
#include "platform/linux/x11/touchpad_owner.h"
#include "support/recording_input_switch.h"

namespace joyvane::x11 {
namespace {

namespace fs = std::filesystem;

constexpr const char* kDualSenseUsb =
    "Sony Interactive Entertainment DualSense Wireless Controller Touchpad";
constexpr const char* kDualShockBt = "Wireless Controller Touchpad";
constexpr const char* kLaptop = "SynPS/2 Synaptics TouchPad";
constexpr const char* kGamepad = "Sony Interactive Entertainment DualSense Wireless Controller";

class TouchpadOwnerTest : public ::testing::Test {
  protected:
    joyvane::testing::TempFolder folder;
    fs::path file = folder.path() / "joyvane" / "touchpads-off";
    joyvane::testing::RecordingInputSwitch server;

    void SetUp() override {
        server.list = {{2, "Virtual core XTEST pointer", true},
                       {9, kLaptop, true},
                       {12, kGamepad, true},
                       {13, kDualSenseUsb, true}};
    }
    std::string recorded() const { return linux_desktop::readWholeFile(file).value_or(""); }
    using Calls = std::vector<std::string>;
};

// Only the controller's touchpads, recorded by name while held, given back when destroyed; one
// the user switched off is left alone.
TEST_F(TouchpadOwnerTest, TakesTouchpadsAsTheyComeForgetsThoseThatLeaveAndGivesBack) {
    server.list.push_back({16, "DualSense Wireless Controller Touchpad", false});
    {
        TouchpadOwner owner(server, file);
        owner.update(true);
        owner.update(true);  // nothing new: nothing asked of the server
        server.list.push_back({15, kDualShockBt, true});
        owner.update(true);
        EXPECT_EQ(server.calls, (Calls{"off 13", "off 15"}));
        EXPECT_EQ(recorded(), std::string(kDualSenseUsb) + "\n" + kDualShockBt + "\n");

        std::erase_if(server.list, [](const InputDevice& d) { return d.id == 13; });  // unplugged
        owner.update(true);
        EXPECT_EQ(owner.heldNames(), std::vector<std::string>{kDualShockBt});
        EXPECT_EQ(recorded(), std::string(kDualShockBt) + "\n");
        // Its id now names another device, which must not be switched on.
        server.list.push_back({13, kLaptop, false});
    }
    EXPECT_EQ(server.calls, (Calls{"off 13", "off 15", "on 15"}));
    EXPECT_EQ(server.switchedOff(), (std::vector<int>{16, 13}));
    EXPECT_FALSE(fs::exists(file));
}

TEST_F(TouchpadOwnerTest, HoldsNothingTheServerWouldNotSwitch) {
    server.refuse = true;
    TouchpadOwner owner(server, file);
    owner.update(true);
    EXPECT_TRUE(owner.heldNames().empty());
    EXPECT_FALSE(fs::exists(file));
}

TEST_F(TouchpadOwnerTest, TheNextRunGivesBackWhatACrashedRunHeld) {
    TouchpadOwner(server, file).recover();  // no file: nothing to do
    EXPECT_TRUE(server.calls.empty());
    // As after a crash or SIGKILL: the device still off and the file, as the walk-through shows
    // it written, still there. The new X session numbers devices afresh; names are remembered.
    folder.write(file.lexically_relative(folder.path()), std::string(kDualSenseUsb) + "\n");
    server.list[3].enabled = false;
    server.list[3].id = 21;
    server.list.push_back({22, kLaptop, false});  // switched off by the user: not ours

    TouchpadOwner next(server, file);
    next.recover();
    EXPECT_EQ(server.calls, (Calls{"on 21"}));
    EXPECT_FALSE(fs::exists(file));
    next.recover();  // nothing left to recover
    EXPECT_EQ(server.calls.size(), 1u);
}

}  // namespace
}  // namespace joyvane::x11
