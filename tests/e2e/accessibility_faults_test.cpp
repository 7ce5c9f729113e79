// Focus detection when the desktop misbehaves: an application that stops answering, and the
// accessibility bus going away. The program must go on: the controller keeps working, and
// focus reads as "not trusted" / "not a text field" instead of hanging or crashing.
#include <gtest/gtest.h>

#include "composed_engine.h"
#include "pad_driver.h"
#include "support/private_desktop.h"
#include "support/text_app.h"
#include "support/x_probe.h"

namespace joyvane::testing {
namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

TEST(AccessibilityFaults, FrozenApplicationAndLostBusLeaveTheControllerWorking) {
    PrivateDesktop desktop({.windowManager = true, .tray = false, .serviceActivation = false});
    JOYVANE_REQUIRE_PRIVATE_DESKTOP(desktop);
    desktop.adoptEnvironment();
    TextApp app(desktop);
    std::string why;
    std::optional<TextAppState> placed = app.readyState(&why);
    ASSERT_TRUE(placed) << why;

    ensureApplication();
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
    VirtualPad pad = attachVirtualPad(0x054C, 0x0CE6, true);
    ASSERT_GE(pad.deviceIndex, 0) << SDL_GetError();
    {
        std::string error;
        auto engine = ComposedEngine::create(desktop.display(), true, &error);
        ASSERT_TRUE(engine) << error;
        PadDriver driver(*engine, pad);
        ControllerManager& manager = *engine->manager;
        PSKeyboardController& keyboard = *engine->keyboard;
        ASSERT_TRUE(runUntil([&] { return manager.isConnected.get(); }, 5.0));
        ASSERT_TRUE(runUntil([&] { return manager.accessibility.get(); }, 5.0));

        // The user clicks into the field: the keyboard opens.
        ASSERT_TRUE(clickAt(desktop.display(), placed->field.centreX(), placed->field.centreY()));
        ASSERT_TRUE(pollUntil([&] { return app.state() && app.state()->focus == "field"; },
                              std::chrono::seconds(5)))
            << "focus in the application: " << (app.state() ? app.state()->focus : "?")
            << "; X focus: " << focusedWindow(desktop.display()) << "; pointer at "
            << pointerPosition(desktop.display())->x << ","
            << pointerPosition(desktop.display())->y;
        ASSERT_TRUE(runUntil([&] { return keyboard.isVisible.get(); }, 10.0))
            << "trusted: " << engine->accessibility->isProcessTrusted() << ", front: "
            << (engine->accessibility->frontmostApplication()
                    ? engine->accessibility->frontmostApplication()->processId
                    : -1)
            << ", application: " << app.pid();

        // The application stops answering: the controller still drives the keyboard at once,
        // and focus queries still answer promptly.
        app.freeze();
        driver.run(1.0);  // several focus checks against the frozen application
        auto start = Clock::now();
        driver.press(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER);
        EXPECT_EQ(keyboard.layout.get(), KeyboardLayout::hebrew);
        EXPECT_LT(secondsSince(start), 0.5);
        start = Clock::now();
        engine->accessibility->focusedElement(app.pid());
        EXPECT_LT(secondsSince(start), 1.0);
        app.thaw();

        // The accessibility bus goes away: trust is withdrawn within the 2-second refresh,
        // the keyboard closes, and the stick moves the pointer again.
        desktop.stopAccessibilityBus();
        EXPECT_TRUE(runUntil([&] { return !manager.accessibility.get(); }, 6.0));
        // Either answer keeps the keyboard from opening.
        auto element = engine->accessibility->focusedElement(app.pid());
        bool textField = element && element->role == "AXTextField";
        EXPECT_FALSE(engine->accessibility->isProcessTrusted() && textField);
        EXPECT_TRUE(runUntil([&] { return !keyboard.isVisible.get(); }, 5.0));

        auto before = pointerPosition(desktop.display());
        ASSERT_TRUE(before);
        driver.stick(1.0, 0);
        EXPECT_TRUE(
            runUntil([&] { return pointerPosition(desktop.display())->x >= before->x + 50; }, 5.0));
        driver.stick(0, 0);
        EXPECT_TRUE(app.running());
    }
    pad.detach();
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

}  // namespace
}  // namespace joyvane::testing
