#include "platform/linux/sdl/sdl_controller_service.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <thread>
#include <vector>

#include "platform/linux/qt/qt_scheduler.h"
#include "platform/linux/sdl/sdl_controller.h"
#include "support/virtual_pad.h"

namespace joyvane::linux_input {
namespace {

using namespace testing;

constexpr std::uint16_t kSony = 0x054C;
constexpr std::uint16_t kDualSense = 0x0CE6;
constexpr std::uint16_t kMicrosoft = 0x045E;
constexpr std::uint16_t kXboxOne = 0x02EA;

class SdlControllerServiceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureApplication();
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        // The test holds its own reference so virtual pads can be attached before the service.
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
        mainThread = std::this_thread::get_id();
    }
    void TearDown() override {
        for (VirtualPad& pad : pads) {
            pad.detach();
        }
        service.reset();
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    }

    void startService() {
        std::string error;
        service = SdlControllerService::create(scheduler, {}, &error);
        ASSERT_TRUE(service) << error;
    }
    VirtualPad& attach(std::uint16_t vendor, std::uint16_t product, bool touchpad = false) {
        pads.push_back(attachVirtualPad(vendor, product, touchpad));
        EXPECT_GE(pads.back().deviceIndex, 0) << SDL_GetError();
        return pads.back();
    }
    // Attaches a DualSense and waits until the service has it.
    std::shared_ptr<Controller> connectDualSense() {
        attach(kSony, kDualSense, true);
        startService();
        EXPECT_EQ(service->controllers().size(), 1u);
        return service->controllers().empty() ? nullptr : service->controllers().front();
    }
    // Records a button's changes, and whether each came on the main thread.
    void watch(ButtonInput* button, std::vector<bool>& presses) {
        ASSERT_NE(button, nullptr);
        button->setPressedChangedHandler([this, &presses](float, bool pressed) {
            offMainThread |= std::this_thread::get_id() != mainThread;
            presses.push_back(pressed);
        });
    }

    QtScheduler scheduler;
    std::unique_ptr<SdlControllerService> service;
    std::vector<VirtualPad> pads;
    std::thread::id mainThread;
    bool offMainThread = false;
};

TEST_F(SdlControllerServiceTest, ControllersPresentAtStartAndLaterAreListedInConnectionOrder) {
    attach(kSony, kDualSense);
    startService();
    ASSERT_EQ(service->controllers().size(), 1u);
    std::shared_ptr<Controller> first = service->controllers()[0];
    EXPECT_EQ(first->productCategory(), "DualSense");
    EXPECT_EQ(first->physicalProfile(), PhysicalProfile::dualSense);
    EXPECT_NE(first->extendedGamepad(), nullptr);
    EXPECT_NE(first->touchpadPrimary(), nullptr);

    std::vector<std::shared_ptr<Controller>> connected;
    std::vector<std::shared_ptr<Controller>> disconnected;
    auto onConnect = service->onDidConnect([&](const auto& c) {
        offMainThread |= std::this_thread::get_id() != mainThread;
        connected.push_back(c);
    });
    auto onDisconnect = service->onDidDisconnect([&](const auto& c) {
        offMainThread |= std::this_thread::get_id() != mainThread;
        disconnected.push_back(c);
    });

    attach(kMicrosoft, kXboxOne);
    ASSERT_TRUE(runUntil([&] { return connected.size() == 1; }));
    EXPECT_EQ(connected[0]->vendorName(), "Microsoft");
    EXPECT_EQ(connected[0]->physicalProfile(), PhysicalProfile::other);
    EXPECT_EQ(connected[0]->touchpadPrimary(), nullptr);
    EXPECT_EQ(connected[0]->touchpadButton(), nullptr);
    ASSERT_EQ(service->controllers().size(), 2u);
    EXPECT_EQ(service->controllers()[0], first);
    EXPECT_EQ(service->controllers()[1], connected[0]);

    pads[0].detach();
    ASSERT_TRUE(runUntil([&] { return disconnected.size() == 1; }));
    EXPECT_EQ(disconnected[0], first);
    ASSERT_EQ(service->controllers().size(), 1u);
    EXPECT_EQ(service->controllers()[0], connected[0]);
    EXPECT_EQ(first->battery(), std::nullopt);  // gone: nothing to read
    EXPECT_FALSE(offMainThread);
}

TEST_F(SdlControllerServiceTest, ButtonsReachTheirHandlersOnTheMainThread) {
    auto controller = connectDualSense();
    ASSERT_TRUE(controller);
    ExtendedGamepad& pad = *controller->extendedGamepad();
    struct Case {
        ButtonInput* element;
        int sdlButton;
    };
    std::vector<Case> cases = {
        {&pad.buttonA(), SDL_CONTROLLER_BUTTON_A},
        {&pad.buttonB(), SDL_CONTROLLER_BUTTON_B},
        {&pad.buttonX(), SDL_CONTROLLER_BUTTON_X},
        {&pad.buttonY(), SDL_CONTROLLER_BUTTON_Y},
        {&pad.leftShoulder(), SDL_CONTROLLER_BUTTON_LEFTSHOULDER},
        {&pad.rightShoulder(), SDL_CONTROLLER_BUTTON_RIGHTSHOULDER},
        {&pad.buttonMenu(), SDL_CONTROLLER_BUTTON_START},
        {pad.buttonOptions(), SDL_CONTROLLER_BUTTON_BACK},
        {pad.leftThumbstickButton(), SDL_CONTROLLER_BUTTON_LEFTSTICK},
        {pad.rightThumbstickButton(), SDL_CONTROLLER_BUTTON_RIGHTSTICK},
        {controller->touchpadButton(), kTouchpadButtonIndex},
    };
    for (const Case& c : cases) {
        std::vector<bool> presses;
        watch(c.element, presses);
        pads[0].button(c.sdlButton, true);
        ASSERT_TRUE(runUntil([&] { return presses.size() == 1; })) << c.sdlButton;
        EXPECT_TRUE(c.element->isPressed());
        EXPECT_EQ(c.element->value(), 1.0f);
        pads[0].button(c.sdlButton, false);
        ASSERT_TRUE(runUntil([&] { return presses.size() == 2; })) << c.sdlButton;
        EXPECT_EQ(presses, (std::vector<bool>{true, false})) << c.sdlButton;
        c.element->setPressedChangedHandler({});
    }
    EXPECT_FALSE(offMainThread);
}

TEST_F(SdlControllerServiceTest, TriggersDpadAndSticksCarryTheirValues) {
    auto controller = connectDualSense();
    ASSERT_TRUE(controller);
    ExtendedGamepad& pad = *controller->extendedGamepad();

    std::vector<bool> left;
    watch(&pad.leftTrigger(), left);
    pads[0].axis(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 32767);
    ASSERT_TRUE(runUntil([&] { return left.size() == 1; }));
    EXPECT_EQ(pad.leftTrigger().value(), 1.0f);
    // A virtual trigger spans the whole joystick range: its rest is -32768.
    pads[0].axis(SDL_CONTROLLER_AXIS_TRIGGERLEFT, -32768);
    ASSERT_TRUE(runUntil([&] { return left.size() == 2; }));
    EXPECT_EQ(left, (std::vector<bool>{true, false}));
    EXPECT_EQ(pad.leftTrigger().value(), 0.0f);

    std::vector<std::pair<float, float>> dpad;
    pad.dpad().setValueChangedHandler([&](float x, float y) {
        offMainThread |= std::this_thread::get_id() != mainThread;
        dpad.emplace_back(x, y);
    });
    pads[0].button(SDL_CONTROLLER_BUTTON_DPAD_UP, true);
    ASSERT_TRUE(runUntil([&] { return dpad.size() == 1; }));
    pads[0].button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
    ASSERT_TRUE(runUntil([&] { return dpad.size() == 2; }));
    pads[0].button(SDL_CONTROLLER_BUTTON_DPAD_UP, false);
    pads[0].button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, false);
    ASSERT_TRUE(runUntil([&] { return dpad.size() >= 3 && dpad.back().first == 0.0f; }));
    EXPECT_EQ(dpad[0], (std::pair{0.0f, 1.0f}));
    EXPECT_EQ(dpad[1], (std::pair{-1.0f, 1.0f}));
    EXPECT_EQ(dpad.back(), (std::pair{0.0f, 0.0f}));

    pads[0].axis(SDL_CONTROLLER_AXIS_LEFTX, -32768);
    pads[0].axis(SDL_CONTROLLER_AXIS_LEFTY, -32768);  // pushed up
    pads[0].axis(SDL_CONTROLLER_AXIS_RIGHTX, 32767);
    pads[0].axis(SDL_CONTROLLER_AXIS_RIGHTY, 32767);
    ASSERT_TRUE(runUntil([&] { return pad.rightThumbstick().y() != 0.0f; }));
    EXPECT_EQ(pad.leftThumbstick().x(), -1.0f);
    EXPECT_EQ(pad.leftThumbstick().y(), 1.0f);
    EXPECT_EQ(pad.rightThumbstick().x(), 1.0f);
    EXPECT_EQ(pad.rightThumbstick().y(), -1.0f);
    pads[0].axis(SDL_CONTROLLER_AXIS_LEFTX, 0);
    pads[0].axis(SDL_CONTROLLER_AXIS_LEFTY, 0);
    ASSERT_TRUE(runUntil([&] { return pad.leftThumbstick().y() == 0.0f; }));
    EXPECT_EQ(pad.leftThumbstick().x(), 0.0f);
    EXPECT_FALSE(offMainThread);
}

TEST_F(SdlControllerServiceTest, PumpIsQuickWhileInUseAndSlowsOnceEverythingRests) {
    std::string error;
    SdlControllerService::Options options;
    options.restAfter = 0.2;
    service = SdlControllerService::create(scheduler, options, &error);
    ASSERT_TRUE(service) << error;
    EXPECT_EQ(service->pumpInterval(), options.idleInterval);  // nothing connected

    attach(kSony, kDualSense, true);
    ASSERT_TRUE(runUntil([&] { return service->controllers().size() == 1u; }));
    EXPECT_EQ(service->pumpInterval(), options.activeInterval);  // just plugged in
    ASSERT_TRUE(runUntil([&] { return service->pumpInterval() == options.restingInterval; }));

    bool pressed = false;
    service->controllers().front()->extendedGamepad()->buttonA().setPressedChangedHandler(
        [&](float, bool down) { pressed = down; });
    pads[0].button(SDL_CONTROLLER_BUTTON_A, true);
    ASSERT_TRUE(runUntil([&] { return pressed; }));
    EXPECT_EQ(service->pumpInterval(), options.activeInterval);  // back to quick at once
}

TEST(SdlPowerLevel, CoarseLevelsBecomeReadingsAndUnknownsNone) {
    EXPECT_EQ(batteryFromPowerLevel(SDL_JOYSTICK_POWER_FULL),
              (BatteryReading{1.0f, BatteryState::unknown}));
    EXPECT_EQ(batteryFromPowerLevel(SDL_JOYSTICK_POWER_LOW)->level, 0.20f);
    EXPECT_EQ(batteryFromPowerLevel(SDL_JOYSTICK_POWER_UNKNOWN), std::nullopt);
    EXPECT_EQ(batteryFromPowerLevel(SDL_JOYSTICK_POWER_WIRED), std::nullopt);
}

}  // namespace
}  // namespace joyvane::linux_input
