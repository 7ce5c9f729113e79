// The real SDL, X11 and AT-SPI backends with the real engine and keyboard, against a Qt
// application in another process: a controller clicks into its text field, the on-screen
// keyboard opens by itself, the controller types "שלום", and the keyboard closes when focus
// leaves the field.
#include <gtest/gtest.h>

#include "composed_engine.h"
#include "keyboard/keyboard_layout.h"
#include "pad_driver.h"
#include "support/private_desktop.h"
#include "support/text_app.h"
#include "support/x_probe.h"

namespace joyvane::testing {
namespace {

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

TEST(ComposedDesktop, ControllerClicksIntoAFieldAndTypesHebrewWithTheOnScreenKeyboard) {
    PrivateDesktop desktop({.windowManager = true, .tray = false});
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
        ASSERT_TRUE(runUntil(
            [&] {
                return engine->manager->isConnected.get() && engine->manager->isEnabled().get();
            },
            5.0));
        PSKeyboardController& keyboard = *engine->keyboard;
        EXPECT_FALSE(keyboard.isVisible.get());

        // Move the pointer into the field with the left stick and click it with Cross.
        ASSERT_TRUE(driver.steerPointerTo(desktop.display(), placed->field.centreX(),
                                          placed->field.centreY()));
        driver.press(SDL_CONTROLLER_BUTTON_A);
        ASSERT_TRUE(pollUntil([&] { return app.state() && app.state()->focus == "field"; },
                              std::chrono::seconds(5)))
            << "focus in the application: " << (app.state() ? app.state()->focus : "?")
            << "; X focus: " << focusedWindow(desktop.display()) << "; pointer at "
            << pointerPosition(desktop.display())->x << ","
            << pointerPosition(desktop.display())->y;

        // The focus monitor sees the text field and opens the keyboard by itself.
        ASSERT_TRUE(runUntil([&] { return keyboard.isVisible.get(); }, 10.0))
            << "trusted: " << engine->accessibility->isProcessTrusted() << ", front: "
            << (engine->accessibility->frontmostApplication()
                    ? engine->accessibility->frontmostApplication()->processId
                    : -1)
            << ", application: " << app.pid();

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
        EXPECT_EQ(app.state()->text, "\u05E9\u05DC\u05D5\u05DD");  // שלום

        // Focus moves to the button: the keyboard closes by itself.
        ASSERT_TRUE(typeKey(desktop.display(), "Tab"));
        ASSERT_TRUE(pollUntil([&] { return app.state() && app.state()->focus == "button"; },
                              std::chrono::seconds(5)));
        EXPECT_TRUE(runUntil([&] { return !keyboard.isVisible.get(); }, 5.0));
        EXPECT_EQ(app.state()->text, "\u05E9\u05DC\u05D5\u05DD");
    }
    pad.detach();
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

}  // namespace
}  // namespace joyvane::testing
