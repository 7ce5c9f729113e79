#include "platform/linux/sdl/sdl_controller_service.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>
#include <vector>

#include "platform/linux/qt/qt_scheduler.h"
#include "platform/linux/sdl/sdl_controller.h"
#include "support/virtual_pad.h"

namespace joyvane::linux_input {
namespace {

using namespace testing;

// Records a button's changes, and whether each came on the main thread.
struct Presses {
    explicit Presses(ButtonInput* button) : element(button) {
        button->setPressedChangedHandler([this](float, bool pressed) {
            offMainThread |= std::this_thread::get_id() != mainThread;
            seen.push_back(pressed);
        });
    }
    ~Presses() { element->setPressedChangedHandler({}); }
    ButtonInput* element;
    std::thread::id mainThread = std::this_thread::get_id();
    std::vector<bool> seen;
    bool offMainThread = false;
};

// One walk through the service with virtual SDL pads: a DualSense present at start, every
// element of it, the pump's pace, and an Xbox pad arriving while the DualSense leaves.
TEST(SdlControllerService, ControllersTheirElementsAndThePumpOnTheMainThread) {
    ensureApplication();
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    // The test holds its own reference so virtual pads can be attached before the service.
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
    VirtualPad dualSense = attachVirtualPad(0x054C, 0x0CE6, true);  // a DualSense
    ASSERT_GE(dualSense.deviceIndex, 0) << SDL_GetError();
    QtScheduler scheduler;
    SdlControllerService::Options options;
    options.restAfter = 0.2;
    std::string error;
    auto service = SdlControllerService::create(scheduler, options, &error);
    ASSERT_TRUE(service) << error;
    ASSERT_EQ(service->controllers().size(), 1u);
    std::shared_ptr<Controller> first = service->controllers()[0];
    EXPECT_EQ(first->productCategory(), "DualSense");
    ASSERT_NE(first->touchpadPrimary(), nullptr);
    EXPECT_EQ(service->pumpInterval(), options.activeInterval);  // just plugged in
    ASSERT_TRUE(runUntil([&] { return service->pumpInterval() == options.restingInterval; }));

    ExtendedGamepad& pad = *first->extendedGamepad();
    const std::pair<ButtonInput*, int> buttons[] = {
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
        {first->touchpadButton(), kTouchpadButtonIndex},
    };
    for (const auto& [element, sdlButton] : buttons) {
        ASSERT_NE(element, nullptr) << sdlButton;
        Presses presses(element);
        dualSense.button(sdlButton, true);
        ASSERT_TRUE(runUntil([&] { return presses.seen.size() == 1; })) << sdlButton;
        EXPECT_EQ(element->value(), 1.0f);
        EXPECT_EQ(service->pumpInterval(), options.activeInterval);  // back to quick at once
        dualSense.button(sdlButton, false);
        ASSERT_TRUE(runUntil([&] { return presses.seen.size() == 2; })) << sdlButton;
        EXPECT_EQ(presses.seen, (std::vector<bool>{true, false})) << sdlButton;
        EXPECT_FALSE(presses.offMainThread);
    }

    // A virtual trigger spans the whole joystick range: its rest is -32768.
    Presses trigger(&pad.leftTrigger());
    dualSense.axis(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 32767);
    ASSERT_TRUE(runUntil([&] { return trigger.seen.size() == 1; }));
    EXPECT_EQ(pad.leftTrigger().value(), 1.0f);
    dualSense.axis(SDL_CONTROLLER_AXIS_TRIGGERLEFT, -32768);
    ASSERT_TRUE(runUntil([&] { return trigger.seen.size() == 2; }));
    EXPECT_EQ(pad.leftTrigger().value(), 0.0f);

    std::vector<std::pair<float, float>> dpad;
    pad.dpad().setValueChangedHandler([&](float x, float y) { dpad.emplace_back(x, y); });
    dualSense.button(SDL_CONTROLLER_BUTTON_DPAD_UP, true);
    dualSense.button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
    ASSERT_TRUE(runUntil([&] { return !dpad.empty() && dpad.back().first != 0.0f; }));
    EXPECT_EQ(dpad.back(), (std::pair{-1.0f, 1.0f}));
    dualSense.axis(SDL_CONTROLLER_AXIS_LEFTX, -32768);
    dualSense.axis(SDL_CONTROLLER_AXIS_LEFTY, -32768);  // pushed up
    dualSense.axis(SDL_CONTROLLER_AXIS_RIGHTX, 32767);
    dualSense.axis(SDL_CONTROLLER_AXIS_RIGHTY, 32767);
    ASSERT_TRUE(runUntil([&] { return pad.rightThumbstick().y() != 0.0f; }));
    EXPECT_EQ(pad.leftThumbstick().x(), -1.0f);
    EXPECT_EQ(pad.leftThumbstick().y(), 1.0f);
    EXPECT_EQ(pad.rightThumbstick().x(), 1.0f);
    EXPECT_EQ(pad.rightThumbstick().y(), -1.0f);

    std::vector<std::shared_ptr<Controller>> connected;
    std::vector<std::shared_ptr<Controller>> disconnected;
    auto onConnect = service->onDidConnect([&](const auto& c) { connected.push_back(c); });
    auto onDisconnect = service->onDidDisconnect([&](const auto& c) { disconnected.push_back(c); });
    VirtualPad xbox = attachVirtualPad(0x045E, 0x02EA);  // an Xbox One pad
    ASSERT_TRUE(runUntil([&] { return connected.size() == 1; }));
    EXPECT_EQ(connected[0]->vendorName(), "Microsoft");
    EXPECT_EQ(connected[0]->touchpadPrimary(), nullptr);
    EXPECT_EQ(connected[0]->touchpadButton(), nullptr);
    EXPECT_EQ(service->controllers(), (std::vector{first, connected[0]}));
    dualSense.detach();
    ASSERT_TRUE(runUntil([&] { return disconnected.size() == 1; }));
    EXPECT_EQ(disconnected[0], first);
    EXPECT_EQ(service->controllers(), std::vector{connected[0]});
    EXPECT_EQ(first->battery(), std::nullopt);  // gone: nothing to read
    xbox.detach();
    EXPECT_TRUE(runUntil([&] { return service->pumpInterval() == options.idleInterval; }));
    service.reset();
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

TEST(SdlPowerLevel, CoarseLevelsBecomeReadingsAndUnknownsNone) {
    EXPECT_EQ(batteryFromPowerLevel(SDL_JOYSTICK_POWER_LOW),
              (BatteryReading{0.20f, BatteryState::unknown}));
    EXPECT_EQ(batteryFromPowerLevel(SDL_JOYSTICK_POWER_UNKNOWN), std::nullopt);
    EXPECT_EQ(batteryFromPowerLevel(SDL_JOYSTICK_POWER_WIRED), std::nullopt);
}

}  // namespace
}  // namespace joyvane::linux_input
