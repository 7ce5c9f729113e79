// The engine and the on-screen keyboard on the real SDL, X11 and AT-SPI backends, put together
// as the program does, on one headless desktop that these tests share.
#include <gtest/gtest.h>

#include "composed_engine.h"
#include "keyboard/keyboard_layout.h"
#include "support/private_desktop.h"
#include "support/text_app.h"
#include "support/x_probe.h"
// Xlib's macros clash with Qt's names: after every Qt header.
#include "support/x_test_window.h"

namespace joyvane::testing {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

struct Cell {
    int row;
    int col;
};

Cell cellOf(const KeyTable& keys, std::string_view character) {
    for (int row = 0; row < kCharacterRows; ++row) {
        for (int col = 0; col < kCharacterColumns; ++col) {
            if (keys[row][col] == character) {
                return {row, col};
            }
        }
    }
    return {-1, -1};
}

// Walks the key cursor to `target` with d-pad steps, the shorter way round on each axis.
void walkCursorTo(PadDriver& driver, PSKeyboardController& keyboard, Cell target) {
    auto steps = [](int from, int to, int size) {
        int forward = ((to - from) % size + size) % size;
        return forward <= size / 2 ? forward : forward - size;
    };
    int rows = steps(keyboard.cursorRow.get(), target.row, kCharacterRows + 1);
    int cols = steps(keyboard.cursorCol.get(), target.col, kCharacterColumns);
    for (; rows > 0; --rows)
        driver.press(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    for (; rows < 0; ++rows)
        driver.press(SDL_CONTROLLER_BUTTON_DPAD_UP);
    for (; cols > 0; --cols)
        driver.press(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    for (; cols < 0; ++cols)
        driver.press(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
}

auto openFileDescriptors() {
    return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {});
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
// controller keeps working, and focus reads as "not trusted" or "not a text field".
TEST_F(ComposedDesktop, ControllerTypesHebrewAndKeepsWorkingWhenAccessibilityFails) {
    TextApp app(*desktop);
    std::string why;
    std::optional<TextAppState> placed = app.readyState(&why);
    ASSERT_TRUE(placed) << why;
    VirtualPad pad = attachVirtualPad(0x054C, 0x0CE6, true);
    ASSERT_GE(pad.deviceIndex, 0) << SDL_GetError();
    ComposedEngine engine(desktop->display(), true);
    ASSERT_TRUE(engine.ok()) << engine.error;
    PadDriver driver(engine, pad);
    ControllerManager& manager = *engine.manager;
    PSKeyboardController& keyboard = *engine.keyboard;
    ASSERT_TRUE(runUntil([&] { return manager.isConnected.get() && manager.isEnabled().get(); }));
    EXPECT_FALSE(keyboard.isVisible.get());
    auto focusIs = [&](const std::string& focus) {
        return pollUntil([&] { return app.state() && app.state()->focus == focus; },
                         std::chrono::seconds(5));
    };
    auto keyboardOpens = [&] { return runUntil([&] { return keyboard.isVisible.get(); }, 10.0); };

    // The left stick moves the pointer into the field, Cross clicks it.
    ASSERT_TRUE(driver.steerPointerTo(desktop->display(), placed->field.centreX(),
                                      placed->field.centreY()));
    driver.press(SDL_CONTROLLER_BUTTON_A);
    ASSERT_TRUE(focusIs("field")) << "X focus: " << focusedWindow(desktop->display());
    ASSERT_TRUE(keyboardOpens()) << "trusted: " << engine.accessibility->isProcessTrusted();

    // R1 switches to the Hebrew layout; the d-pad walks to each letter; Cross types it.
    driver.press(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER);
    ASSERT_EQ(keyboard.layout.get(), KeyboardLayout::hebrew);
    std::string typed;
    for (std::string_view letter : {"\u05E9", "\u05DC", "\u05D5", "\u05DD"}) {
        Cell cell = cellOf(hebrewKeys(), letter);
        ASSERT_GE(cell.row, 0) << letter;
        walkCursorTo(driver, keyboard, cell);
        ASSERT_EQ(keyboard.cursorRow.get(), cell.row);
        ASSERT_EQ(keyboard.cursorCol.get(), cell.col);
        driver.press(SDL_CONTROLLER_BUTTON_A);
        typed += letter;
        // Each letter lands before the next is typed, as a user would watch it appear.
        EXPECT_TRUE(runUntil([&] { return app.state() && app.state()->text == typed; }, 5.0))
            << "field holds \"" << (app.state() ? app.state()->text : "?") << "\"";
    }
    // Focus moves to the button: the keyboard closes by itself.
    ASSERT_TRUE(typeKey(desktop->display(), "Tab"));
    ASSERT_TRUE(focusIs("button"));
    EXPECT_TRUE(runUntil([&] { return !keyboard.isVisible.get(); }, 5.0));
    EXPECT_EQ(app.state()->text, "\u05E9\u05DC\u05D5\u05DD");  // שלום

    // The application stops answering while the keyboard is open for it: the controller still
    // drives the keyboard at once, and focus queries still answer promptly.
    ASSERT_TRUE(clickAt(desktop->display(), placed->field.centreX(), placed->field.centreY()));
    ASSERT_TRUE(focusIs("field"));
    ASSERT_TRUE(keyboardOpens());
    app.freeze();
    runUntil([] { return false; }, 1.0);  // several focus checks against the frozen application
    KeyboardLayout before = keyboard.layout.get();
    auto start = Clock::now();
    driver.press(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER);
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
    // Either answer keeps the keyboard from opening.
    auto element = engine.accessibility->focusedElement(app.pid());
    bool textField = element && element->role == "AXTextField";
    EXPECT_FALSE(engine.accessibility->isProcessTrusted() && textField);
    EXPECT_TRUE(runUntil([&] { return !keyboard.isVisible.get(); }, 5.0));
    auto pointer = pointerPosition(desktop->display());
    ASSERT_TRUE(pointer);
    driver.stick(1.0, 0);
    EXPECT_TRUE(
        runUntil([&] { return pointerPosition(desktop->display())->x >= pointer->x + 50; }, 5.0));
    driver.stick(0, 0);
    EXPECT_TRUE(app.running());
}

// A controller plugged in and out a thousand times: nothing is left behind (file descriptors
// here, memory under LeakSanitizer in the sanitizer build), and the controller plugged in last
// has exactly one set of handlers, so one press of Cross is one click.
TEST_F(ComposedDesktop, AThousandConnectsAndDisconnectsLeaveOneSetOfHandlersAndNoLeaks) {
    ComposedEngine engine(desktop->display(), false);
    ASSERT_TRUE(engine.ok()) << engine.error;
    ControllerManager& manager = *engine.manager;
    auto cycle = [&] {
        VirtualPad pad = attachVirtualPad(0x054C, 0x0CE6, true);
        ASSERT_GE(pad.deviceIndex, 0) << SDL_GetError();
        PadDriver driver(engine, pad);
        driver.settle();
        ASSERT_TRUE(manager.isConnected.get());
        pad.detach();
        driver.settle();
        ASSERT_FALSE(manager.isConnected.get());
    };
    // The first cycles bring SDL's and Qt's one-time allocations; count from there.
    for (int i = 0; i < 10; ++i) {
        cycle();
    }
    int descriptors = openFileDescriptors();
    for (int i = 0; i < 1000; ++i) {
        cycle();
        if (HasFatalFailure()) {
            FAIL() << "at cycle " << i;
        }
    }
    EXPECT_EQ(openFileDescriptors(), descriptors);
    EXPECT_TRUE(engine.controllers->controllers().empty());

    TestWindow window(desktop->display());
    ASSERT_TRUE(window.ok());
    VirtualPad pad = attachVirtualPad(0x054C, 0x0CE6, true);
    PadDriver driver(engine, pad);
    driver.settle();
    ASSERT_TRUE(manager.isConnected.get() && manager.isEnabled().get());
    driver.press(SDL_CONTROLLER_BUTTON_A);
    runUntil([] { return false; }, 0.1);
    window.collect(0, 2, 2.0);
    window.collect(0, 3, 0.2);  // and nothing more arrives
    EXPECT_EQ(window.buttons, (std::vector<std::pair<unsigned int, bool>>{{1, true}, {1, false}}));
    EXPECT_EQ(engine.controllers->controllers().size(), 1u);
}

}  // namespace
}  // namespace joyvane::testing
