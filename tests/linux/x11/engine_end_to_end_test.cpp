// The real engine on the real backends: a virtual SDL controller drives the pointer and the
// buttons of a private X server.
#include <gtest/gtest.h>

#include "../sdl/sdl_test_support.h"
#include "engine/controller_manager.h"
#include "keyboard/ps_keyboard_controller.h"
#include "output/mouse_controller.h"
#include "platform/linux/qt/qt_scheduler.h"
#include "platform/linux/sdl/sdl_controller_service.h"
#include "platform/linux/x11/x11_backend.h"
#include "platform/sim/sim_services.h"
#include "x_test_server.h"
#include "x_test_window.h"

namespace joyvane {
namespace {

using linux_input::testing::attachVirtualPad;
using linux_input::testing::ensureApplication;
using linux_input::testing::runUntil;
using linux_input::testing::VirtualPad;
using x11::testing::pointerOf;
using x11::testing::TestWindow;
using x11::testing::XTestServer;

TEST(EngineEndToEnd, StickMovesCrossClicksAndHoldingCrossDrags) {
    XTestServer server;
    JOYVANE_REQUIRE_X_SERVER(server);
    ensureApplication();
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
    VirtualPad pad = attachVirtualPad(0x054C, 0x0CE6, true);
    ASSERT_GE(pad.deviceIndex, 0) << SDL_GetError();

    {
        QtScheduler scheduler;
        std::string error;
        auto controllers = linux_input::SdlControllerService::create(scheduler, {}, &error);
        ASSERT_TRUE(controllers) << error;
        auto x = x11::openX11Backend(scheduler, &error, server.name().c_str());
        ASSERT_TRUE(x) << error;
        TestWindow window(server.name());
        ASSERT_TRUE(window.ok());

        sim::CallLog log(scheduler);
        sim::SimAccessibility accessibility(log);
        sim::SimWorkspace workspace(log);
        sim::SimKeyboardPanelFactory panels(log);
        FixedLanguages languages({"en-US"});
        Platform platform{scheduler,     *controllers, *x->poster, *x->screens,
                          accessibility, workspace,    languages,  panels};
        MouseController mouse(*x->poster, *x->screens);
        PSKeyboardController keyboard(scheduler, *x->poster, accessibility, panels);
        ControllerManager manager(platform, mouse, keyboard);
        ASSERT_TRUE(
            runUntil([&] { return manager.isConnected.get() && manager.isEnabled().get(); }));
        EXPECT_EQ(manager.controllerName.get(), "DualSense (PS5)");

        x->poster->warp({700, 450});
        pad.axis(SDL_CONTROLLER_AXIS_LEFTX, 32767);
        ASSERT_TRUE(runUntil([&] { return pointerOf(window.display()).x >= 800; }));
        pad.axis(SDL_CONTROLLER_AXIS_LEFTX, 0);
        runUntil([] { return false; }, 0.1);
        Point rest = pointerOf(window.display());
        runUntil([] { return false; }, 0.1);
        EXPECT_EQ(pointerOf(window.display()), rest);  // a resting stick leaves it be
        EXPECT_EQ(rest.y, 450);

        pad.button(SDL_CONTROLLER_BUTTON_A, true);
        ASSERT_TRUE(runUntil([&] { return mouse.isLeftDown; }));
        pad.button(SDL_CONTROLLER_BUTTON_A, false);
        ASSERT_TRUE(runUntil([&] { return !mouse.isLeftDown; }));
        window.collect(0, 2);
        ASSERT_EQ(window.buttons,
                  (std::vector<std::pair<unsigned int, bool>>{{1, true}, {1, false}}));

        // Hold Cross and push the stick up: the window sees motion with button 1 held.
        window.motionStates.clear();
        pad.button(SDL_CONTROLLER_BUTTON_A, true);
        ASSERT_TRUE(runUntil([&] { return mouse.isLeftDown; }));
        pad.axis(SDL_CONTROLLER_AXIS_LEFTY, -32768);
        ASSERT_TRUE(runUntil([&] { return pointerOf(window.display()).y <= rest.y - 50; }));
        pad.axis(SDL_CONTROLLER_AXIS_LEFTY, 0);
        pad.button(SDL_CONTROLLER_BUTTON_A, false);
        ASSERT_TRUE(runUntil([&] { return !mouse.isLeftDown; }));
        window.collect(0, 4);
        ASSERT_FALSE(window.motionStates.empty());
        for (unsigned int state : window.motionStates) {
            EXPECT_TRUE(state & Button1Mask);
        }
        EXPECT_EQ(window.buttons.back(), (std::pair<unsigned int, bool>{1, false}));
    }
    pad.detach();
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

}  // namespace
}  // namespace joyvane
