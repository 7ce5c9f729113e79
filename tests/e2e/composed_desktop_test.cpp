// The engine and the on-screen keyboard on the real SDL, X11 and AT-SPI backends, put together
// as the program does, on one headless desktop that these tests share.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ranges>

#include "engine/controller_manager.h"
#include "keyboard/keyboard_layout.h"
#include "keyboard/ps_keyboard_controller.h"
#include "output/mouse_controller.h"
#include "platform/linux/atspi/atspi_accessibility.h"
#include "platform/linux/qt/qt_scheduler.h"
#include "platform/linux/sdl/sdl_controller_service.h"
#include "platform/linux/x11/x11_backend.h"
#include "platform/sim/sim_services.h"
#include "support/private_desktop.h"
#include "support/text_app.h"
#include "support/virtual_pad.h"
#include "support/x_probe.h"
// Xlib's macros clash with Qt's names: after every Qt header.
#include "support/x_test_window.h"

namespace joyvane::testing {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// The engine and the keyboard on the real SDL, X11 and (optionally) AT-SPI backends, composed
// as the desktop program does; only the workspace and the keyboard panel stay in memory. Its
// members go in the reverse order of their making: users first, and the poster before the rest
// of X, so it can let go of held buttons and keys.
struct ComposedEngine {
    ComposedEngine(const std::string& display, bool realAccessibility) {
        controllers = linux_input::SdlControllerService::create(scheduler, {}, &error);
        x = x11::openX11Backend(scheduler, &error, display.c_str());
        if (!controllers || !x) {
            return;
        }
        accessibility = realAccessibility ? std::unique_ptr<AccessibilityService>(
                                                std::make_unique<atspi::AtspiAccessibility>())
                                          : std::make_unique<sim::SimAccessibility>(log);
        mouse = std::make_unique<MouseController>(*x->poster, *x->screens);
        keyboard =
            std::make_unique<PSKeyboardController>(scheduler, *x->poster, *accessibility, panels);
        Platform platform{scheduler,      *controllers, *x->poster, *x->screens,
                          *accessibility, workspace,    languages,  panels};
        manager = std::make_unique<ControllerManager>(platform, *mouse, *keyboard);
    }

    // Each change of the virtual pad is pumped into the SDL backend at once (a press and
    // release between two pumps would be lost), and the jobs it queues are run.
    void settle() {
        controllers->pump();
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        }
    }
    void press(VirtualPad& pad, SDL_GameControllerButton button) {
        pad.button(button, true);
        settle();
        pad.button(button, false);
        settle();
    }
    void stick(VirtualPad& pad, double x, double y) {
        auto raw = [](double value) {
            return static_cast<Sint16>(value >= 0 ? value * 32767 : value * 32768);
        };
        pad.axis(SDL_CONTROLLER_AXIS_LEFTX, raw(x));
        pad.axis(SDL_CONTROLLER_AXIS_LEFTY, raw(y));  // SDL's y grows downwards, like the screen's
        settle();
    }
    // Steers the pointer with the left stick to within 4 pixels of (x, y): full speed far away,
    // gently near, where a small deflection still clears the dead zone.
    bool steerPointerTo(VirtualPad& pad, const std::string& display, int x, int y) {
        auto deflection = [](int distance) {
            double size = std::clamp(std::abs(distance) / 150.0, 0.35, 1.0);
            return std::abs(distance) <= 4 ? 0.0 : std::copysign(size, distance);
        };
        bool there = runUntil(
            [&] {
                auto pointer = pointerPosition(display);
                double dx = pointer ? deflection(x - pointer->x) : 0;
                double dy = pointer ? deflection(y - pointer->y) : 0;
                stick(pad, dx, dy);
                return pointer && dx == 0 && dy == 0;
            },
            20.0);
        stick(pad, 0, 0);
        return there;
    }

    std::string error;  // why a backend could not start, when `manager` is missing
    QtScheduler scheduler;
    sim::CallLog log{scheduler};
    sim::SimWorkspace workspace{log};
    FixedLanguages languages{{"en-US"}};
    sim::SimKeyboardPanelFactory panels{log};
    std::unique_ptr<linux_input::SdlControllerService> controllers;
    std::optional<x11::X11Backend> x;
    std::unique_ptr<AccessibilityService> accessibility;
    std::unique_ptr<MouseController> mouse;
    std::unique_ptr<PSKeyboardController> keyboard;
    std::unique_ptr<ControllerManager> manager;
};

// The row and column of `character` on `keys`.
std::pair<int, int> cellOf(const KeyTable& keys, std::string_view character) {
    auto cells = keys | std::views::join;
    auto at = std::ranges::distance(cells.begin(), std::ranges::find(cells, character));
    return {static_cast<int>(at) / kCharacterColumns, static_cast<int>(at) % kCharacterColumns};
}

VirtualPad attachDualSense() {
    return attachVirtualPad(0x054C, 0x0CE6, true);
}

class ComposedDesktop : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        // No services started on demand: the accessibility bus that a test stops stays stopped.
        desktop = std::make_unique<PrivateDesktop>(
            DesktopOptions{.tray = false, .serviceActivation = false});
        desktop->adoptEnvironment();
        ensureApplication();
    }
    static void TearDownTestSuite() { desktop.reset(); }
    void SetUp() override {
        JOYVANE_REQUIRE_PRIVATE_DESKTOP(*desktop);
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
    }
    void TearDown() override { SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER); }

    static inline std::unique_ptr<PrivateDesktop> desktop;
};

// A controller clicks into another application's text field, the keyboard opens by itself, the
// controller types "שלום", and the keyboard closes when focus leaves the field. Then the
// desktop misbehaves: the application stops answering, and the accessibility bus goes away. The
// controller keeps working.
TEST_F(ComposedDesktop, ControllerTypesHebrewAndKeepsWorkingWhenAccessibilityFails) {
    TextApp app(*desktop);
    std::string why;
    std::optional<TextAppState> placed = app.readyState(&why);
    ASSERT_TRUE(placed) << why;
    VirtualPad pad = attachDualSense();
    ComposedEngine engine(desktop->display(), true);
    ASSERT_TRUE(engine.manager) << engine.error;
    ControllerManager& manager = *engine.manager;
    PSKeyboardController& keyboard = *engine.keyboard;
    ASSERT_TRUE(runUntil([&] { return manager.isConnected.get() && manager.isEnabled().get(); }));
    auto focusIs = [&](const std::string& focus) {
        return pollUntil([&] { return app.state() && app.state()->focus == focus; },
                         std::chrono::seconds(5));
    };
    auto keyboardOpens = [&] { return runUntil([&] { return keyboard.isVisible.get(); }, 10.0); };

    // The left stick moves the pointer into the field, Cross clicks it.
    ASSERT_TRUE(engine.steerPointerTo(pad, desktop->display(), placed->field.centreX(),
                                      placed->field.centreY()));
    engine.press(pad, SDL_CONTROLLER_BUTTON_A);
    ASSERT_TRUE(focusIs("field")) << "X focus: " << focusedWindow(desktop->display());
    ASSERT_TRUE(keyboardOpens()) << "trusted: " << engine.accessibility->isProcessTrusted();

    // R1 switches to the Hebrew layout; the d-pad walks to each letter (down to its row, then
    // right to its column, wrapping round); Cross types it.
    engine.press(pad, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER);
    ASSERT_EQ(keyboard.layout.get(), KeyboardLayout::hebrew);
    std::string typed;
    for (std::string_view letter : {"\u05E9", "\u05DC", "\u05D5", "\u05DD"}) {
        auto [row, col] = cellOf(hebrewKeys(), letter);
        for (int i = 0; i <= kCharacterRows && keyboard.cursorRow.get() != row; ++i) {
            engine.press(pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN);
        }
        for (int i = 0; i < kCharacterColumns && keyboard.cursorCol.get() != col; ++i) {
            engine.press(pad, SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
        }
        ASSERT_EQ(std::pair(keyboard.cursorRow.get(), keyboard.cursorCol.get()),
                  std::pair(row, col))
            << letter;
        engine.press(pad, SDL_CONTROLLER_BUTTON_A);
        typed += letter;
        // Each letter lands before the next is typed, as a user would watch it appear.
        EXPECT_TRUE(runUntil([&] { return app.state() && app.state()->text == typed; }, 5.0))
            << "field holds \"" << (app.state() ? app.state()->text : "?") << "\"";
    }
    // Focus moves to the button: the keyboard closes by itself.
    ASSERT_TRUE(typeKey(desktop->display(), "Tab"));
    ASSERT_TRUE(focusIs("button"));
    EXPECT_TRUE(runUntil([&] { return !keyboard.isVisible.get(); }, 5.0));

    // The application stops answering while the keyboard is open for it: the controller still
    // drives the keyboard at once, and focus queries still answer promptly.
    ASSERT_TRUE(clickAt(desktop->display(), placed->field.centreX(), placed->field.centreY()));
    ASSERT_TRUE(focusIs("field"));
    ASSERT_TRUE(keyboardOpens());
    app.freeze();
    runUntil([] { return false; }, 1.0);  // several focus checks against the frozen application
    KeyboardLayout before = keyboard.layout.get();
    auto start = Clock::now();
    engine.press(pad, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER);
    EXPECT_NE(keyboard.layout.get(), before);
    EXPECT_LT(Clock::now() - start, milliseconds(500));
    start = Clock::now();
    engine.accessibility->focusedElement(app.pid());
    EXPECT_LT(Clock::now() - start, milliseconds(1000));
    app.thaw();

    // The accessibility bus goes away: trust is withdrawn within the 2-second refresh, the
    // keyboard closes, and the stick moves the pointer again.
    desktop->stopAccessibilityBus();
    EXPECT_TRUE(runUntil([&] { return !manager.accessibility.get(); }, 6.0));
    EXPECT_TRUE(runUntil([&] { return !keyboard.isVisible.get(); }, 5.0));
    auto pointer = pointerPosition(desktop->display());
    ASSERT_TRUE(pointer);
    engine.stick(pad, 1.0, 0);
    EXPECT_TRUE(
        runUntil([&] { return pointerPosition(desktop->display())->x >= pointer->x + 50; }, 5.0));
    engine.stick(pad, 0, 0);
}

// A controller plugged in and out a thousand times: nothing is left behind (file descriptors
// here, memory under LeakSanitizer in the sanitizer build), and the controller plugged in last
// has exactly one set of handlers, so one press of Cross is one click.
TEST_F(ComposedDesktop, AThousandConnectsAndDisconnectsLeaveOneSetOfHandlersAndNoLeaks) {
    ComposedEngine engine(desktop->display(), false);
    ASSERT_TRUE(engine.manager) << engine.error;
    ControllerManager& manager = *engine.manager;
    auto openFileDescriptors = [] {
        return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {});
    };
    // The first ten cycles bring SDL's and Qt's one-time allocations: count from there.
    long descriptors = 0;
    for (int i = -10; i < 1000; ++i) {
        if (i == 0) {
            descriptors = openFileDescriptors();
        }
        VirtualPad pad = attachDualSense();
        engine.settle();
        ASSERT_TRUE(manager.isConnected.get()) << "at cycle " << i;
        pad.detach();
        engine.settle();
        ASSERT_FALSE(manager.isConnected.get()) << "at cycle " << i;
    }
    EXPECT_EQ(openFileDescriptors(), descriptors);
    EXPECT_TRUE(engine.controllers->controllers().empty());

    TestWindow window(desktop->display());
    ASSERT_TRUE(window.ok());
    VirtualPad pad = attachDualSense();
    engine.settle();
    ASSERT_TRUE(manager.isConnected.get() && manager.isEnabled().get());
    engine.press(pad, SDL_CONTROLLER_BUTTON_A);
    runUntil([] { return false; }, 0.1);
    window.collect(0, 2, 2.0);
    window.collect(0, 3, 0.2);  // and nothing more arrives
    EXPECT_EQ(window.buttons, (std::vector<std::pair<unsigned int, bool>>{{1, true}, {1, false}}));
    EXPECT_EQ(engine.controllers->controllers().size(), 1u);
}

}  // namespace
}  // namespace joyvane::testing
