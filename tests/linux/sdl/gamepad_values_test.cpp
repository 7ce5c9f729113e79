#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "platform/linux/sdl/axis_values.h"
#include "platform/linux/sdl/controller_identity.h"
#include "platform/linux/sdl/gamepad_elements.h"
#include "platform/linux/sdl/usb_vendors.h"

namespace joyvane::linux_input {
namespace {

// The ends of each range and the sticks through SDL are the service test's; here, what SDL's
// virtual pad cannot show.
TEST(StickTriggerTouchpadAndDpadValues, RestIsExactlyZeroYIsUpAndEverythingStaysInRange) {
    EXPECT_EQ(stickAxis(0), 0.0f);
    EXPECT_EQ(stickAxis(-16384), -0.5f);  // each side divided by its own extreme
    // SDL reports a stick pushed up as negative; the engine wants up positive.
    EXPECT_EQ(stickAxis(-32768, true), 1.0f);
    EXPECT_FALSE(std::signbit(stickAxis(0, true)));  // inverted rest is +0, not -0
    EXPECT_EQ(triggerAxis(0), 0.0f);
    EXPECT_NEAR(triggerAxis(16384), 0.5f, 1e-4f);
    // The touchpad's 0 to 1 becomes -1 to 1, with its top edge up.
    EXPECT_EQ(touchpadAxis(0.0f), -1.0f);
    EXPECT_EQ(touchpadAxis(0.5f), 0.0f);
    EXPECT_NEAR(touchpadAxis(0.25f, true), 0.5f, 1e-6f);
    EXPECT_FALSE(std::signbit(touchpadAxis(0.5f, true)));
    // Out of range and non-finite inputs stay in range.
    EXPECT_EQ(touchpadAxis(1.7f), 1.0f);
    EXPECT_EQ(touchpadAxis(-std::numeric_limits<float>::infinity()), -1.0f);
    EXPECT_EQ(touchpadAxis(std::numeric_limits<float>::quiet_NaN()), 0.0f);
    // The d-pad's y is up, and opposite directions cancel.
    EXPECT_EQ(dpadValue(false, true, false, false).y, -1.0f);
    const DpadValue opposite = dpadValue(true, true, true, true);
    EXPECT_EQ(std::pair(opposite.x, opposite.y), std::pair(0.0f, 0.0f));
}

// A trigger's press and release use different thresholds: values between them change nothing
// either way. A pad reports on change, or when a report is forced.
TEST(GamepadElements, TriggerThresholdsAndWhenHandlersAreCalled) {
    AnalogTrigger trigger;
    std::vector<std::pair<float, bool>> changes;
    trigger.setPressedChangedHandler([&](float v, bool p) { changes.emplace_back(v, p); });
    for (float v : {0.1f, 0.29f, 0.30f, 0.5f, 0.25f, 0.20f, 0.19f, 0.0f}) {
        trigger.setValue(v);
    }
    EXPECT_EQ(changes, (std::vector<std::pair<float, bool>>{{0.30f, true}, {0.19f, false}}));
    EXPECT_EQ(trigger.value(), 0.0f);

    // A button's handler on change only is the service test's; without one, the state follows.
    DigitalButton button;
    button.setPressed(true);
    EXPECT_TRUE(button.isPressed());

    Pad pad;
    int calls = 0;
    pad.setValueChangedHandler([&](float, float) { ++calls; });
    pad.setValue(0, 0);
    pad.setValue(1, 0);
    pad.setValue(1, 0);
    pad.reset(0, 0);
    pad.setValue(0, 0, true);
    EXPECT_EQ(calls, 2);
}

// The DualSense's category and the Xbox pad's vendor are the service test's.
TEST(ControllerIdentity, PlayStationFamiliesThenVendorTableThenNameThenNothing) {
    EXPECT_EQ(identifyController(PhysicalProfile::dualShock, 0x054C, "PS4").productCategory,
              "DualShock 4");
    EXPECT_EQ(identifyController(PhysicalProfile::dualSense, 0x054C, "PS5").vendorName, "Sony");
    auto acme = identifyController(PhysicalProfile::other, 0x1234, "Acme Pad");
    EXPECT_EQ(acme.productCategory, "Acme Pad");
    EXPECT_EQ(acme.vendorName, "Acme Pad");
    auto anonymous = identifyController(PhysicalProfile::other, 0x1234, "");
    EXPECT_EQ(anonymous.vendorName, std::nullopt);
    EXPECT_EQ(anonymous.productCategory, "Gamepad");
}

}  // namespace
}  // namespace joyvane::linux_input
