#include <gtest/gtest.h>

#include "platform/linux/x11/x11_backend.h"
#include "platform/linux/x11/xinput_devices.h"

#include <X11/XKBlib.h>

#include <algorithm>

#include "core/manual_scheduler.h"
#include "output/mouse_controller.h"
#include "support/private_desktop.h"
#include "support/x_probe.h"
#include "support/x_test_window.h"

namespace joyvane::x11 {
namespace {

using namespace testing;

// Where the X server has the pointer now.
Point pointerOn(const PrivateDesktop& server) {
    auto at = pointerPosition(server.display());
    return at ? Point{static_cast<double>(at->x), static_cast<double>(at->y)} : Point{-1, -1};
}

KeyEvent key(std::uint16_t code, bool down, std::uint64_t flags = 0) {
    KeyEvent event;
    event.keyCode = code;
    event.down = down;
    event.flags = flags;
    return event;
}

KeyEvent text(std::u16string character, bool down) {
    KeyEvent event = key(0, down);
    event.text = std::move(character);
    return event;
}

class X11BackendTest : public ::testing::Test {
  protected:
    void open() {
        std::string error;
        auto opened = openX11Backend(scheduler, &error, server.display().c_str());
        ASSERT_TRUE(opened) << error;
        backend = std::move(*opened);
    }

    PrivateDesktop server{xServerOnly()};
    ManualScheduler scheduler;
    std::optional<X11Backend> backend;
};

TEST_F(X11BackendTest, PointerGoesWhereAskedAndKeepsItsFraction) {
    JOYVANE_REQUIRE_PRIVATE_DESKTOP(server);
    ASSERT_NO_FATAL_FAILURE(open());
    TestWindow window(server.display());
    ASSERT_TRUE(window.ok());

    backend->poster->warp({100.75, 200.25});
    EXPECT_TRUE(backend->poster->post(
        MouseEvent{EventSourceState::hidSystem, MouseEventType::mouseMoved, {100.75, 200.25}}));
    EXPECT_EQ(pointerOn(server), (Point{100, 200}));
    // The screen service reports the point asked for, in its bottom-left space.
    auto screens = backend->screens->screens();
    ASSERT_FALSE(screens.empty());
    double height = screens[0].frame.height;
    EXPECT_EQ(backend->screens->mouseLocation(), (Point{100.75, height - 200.25}));

    // Slow motion through the mouse controller adds up instead of being lost.
    MouseController mouse(*backend->poster, *backend->screens);
    for (int i = 0; i < 10; ++i) {
        mouse.move(0.3, 0);
    }
    EXPECT_NEAR(mouse.currentCGPosition().x, 103.75, 1e-9);
    EXPECT_EQ(pointerOn(server), (Point{103, 200}));

    // Someone else moves the pointer: the real position wins.
    XWarpPointer(window.display(), None, DefaultRootWindow(window.display()), 0, 0, 0, 0, 500, 600);
    XSync(window.display(), False);
    EXPECT_EQ(mouse.currentCGPosition(), (Point{500, 600}));
}

TEST_F(X11BackendTest, ButtonsReachAWindowAsXButtons) {
    JOYVANE_REQUIRE_PRIVATE_DESKTOP(server);
    ASSERT_NO_FATAL_FAILURE(open());
    TestWindow window(server.display());
    ASSERT_TRUE(window.ok());
    MouseController mouse(*backend->poster, *backend->screens);
    backend->poster->warp({300, 300});

    const std::pair<MouseEventType, int> events[] = {
        {MouseEventType::leftMouseDown, mouse_button::left},
        {MouseEventType::leftMouseUp, mouse_button::left},
        {MouseEventType::rightMouseDown, mouse_button::right},
        {MouseEventType::rightMouseUp, mouse_button::right},
        {MouseEventType::otherMouseDown, mouse_button::center},
        {MouseEventType::otherMouseUp, mouse_button::center},
    };
    for (const auto& [type, button] : events) {
        mouse.postMouseButton(type, button);
    }
    window.collect(0, 6);
    EXPECT_EQ(window.buttons,
              (std::vector<std::pair<unsigned int, bool>>{
                  {1, true}, {1, false}, {3, true}, {3, false}, {2, true}, {2, false}}));
}

TEST_F(X11BackendTest, ControlCReachesTheWindowAndLeavesNoModifierDown) {
    JOYVANE_REQUIRE_PRIVATE_DESKTOP(server);
    ASSERT_NO_FATAL_FAILURE(open());
    TestWindow window(server.display());
    ASSERT_TRUE(window.ok());
    // The copy action: Command down, C down and up with Command, Command up.
    EXPECT_TRUE(backend->poster->post(key(key_code::command, true)));
    EXPECT_TRUE(window.noModifierDown());  // held back until the key arrives
    EXPECT_TRUE(backend->poster->post(key(key_code::c, true, modifier_flag::command)));
    EXPECT_TRUE(backend->poster->post(key(key_code::c, false, modifier_flag::command)));
    EXPECT_TRUE(backend->poster->post(key(key_code::command, false)));
    window.collect(4, 0);
    ASSERT_EQ(window.keys.size(), 4u);
    EXPECT_EQ(window.keys[0].keysym, static_cast<KeySym>(XK_Control_L));
    EXPECT_EQ(window.keys[1].keysym, static_cast<KeySym>(XK_c));
    EXPECT_TRUE(window.keys[1].press);
    EXPECT_TRUE(window.keys[1].state & ControlMask);
    EXPECT_EQ(window.keys[3].keysym, static_cast<KeySym>(XK_Control_L));
    EXPECT_FALSE(window.keys[3].press);
    EXPECT_TRUE(window.noModifierDown());
}

TEST_F(X11BackendTest, TypingFollowsTheActiveLayoutGroup) {
    JOYVANE_REQUIRE_PRIVATE_DESKTOP(server);
    // A Latin and a Hebrew layout, with the Hebrew one active: the "a" key types a shin.
    ASSERT_TRUE(runToCompletion({"setxkbmap", "-display", server.display(), "-layout", "us,il"},
                                server.environment()));
    ASSERT_NO_FATAL_FAILURE(open());
    TestWindow window(server.display());
    ASSERT_TRUE(window.ok());
    ASSERT_TRUE(XkbLockGroup(window.display(), XkbUseCoreKbd, 1));
    XSync(window.display(), False);

    for (std::u16string c : {u"a", u"\u05e9"}) {
        EXPECT_TRUE(backend->poster->post(text(c, true)));
        EXPECT_TRUE(backend->poster->post(text(c, false)));
    }
    EXPECT_TRUE(backend->poster->post(key(key_code::command, true)));
    EXPECT_TRUE(backend->poster->post(key(key_code::c, true, modifier_flag::command)));
    EXPECT_TRUE(backend->poster->post(key(key_code::c, false, modifier_flag::command)));
    EXPECT_TRUE(backend->poster->post(key(key_code::command, false)));
    window.collect(8, 0);
    std::vector<KeySym> pressed;
    for (const ReceivedKey& k : window.keys) {
        if (k.press) {
            pressed.push_back(k.keysym);
        }
    }
    EXPECT_EQ(pressed, (std::vector<KeySym>{XK_a, 0x10005e9, XK_Control_L, XK_c}));
    EXPECT_TRUE(window.noModifierDown());
}

// The character typed is the one asked for whatever is locked: a letter of either case, a digit,
// and a letter the keymap lacks (bound to a spare key).
TEST_F(X11BackendTest, CapsLockAndNumLockNeverChangeTheTypedCharacter) {
    JOYVANE_REQUIRE_PRIVATE_DESKTOP(server);
    ASSERT_NO_FATAL_FAILURE(open());
    TestWindow window(server.display());
    ASSERT_TRUE(window.ok());
    Display* display = window.display();
    const unsigned int numLock = XkbKeysymToModifiers(display, XK_Num_Lock);
    ASSERT_NE(numLock, 0u);
    const std::u16string typed[] = {u"t", u"T", u"1", u"\u00e9", u"\u00c9"};
    const std::vector<KeySym> expected = {XK_t, XK_T, XK_1, XK_eacute, XK_Eacute};
    for (unsigned int locked : {unsigned{LockMask}, numLock, LockMask | numLock}) {
        SCOPED_TRACE(locked);
        ASSERT_TRUE(XkbLockModifiers(display, XkbUseCoreKbd, LockMask | numLock, locked));
        XSync(display, False);
        window.keys.clear();
        for (const std::u16string& c : typed) {
            EXPECT_TRUE(backend->poster->post(text(c, true)));
            EXPECT_TRUE(backend->poster->post(text(c, false)));
        }
        window.collect(2 * std::size(typed), 0);
        std::vector<KeySym> pressed;
        for (const ReceivedKey& k : window.keys) {
            if (k.press && k.keysym != XK_Shift_L) {
                pressed.push_back(k.keysym);
            }
        }
        EXPECT_EQ(pressed, expected);
        EXPECT_TRUE(window.noModifierDown());
    }
}

TEST_F(X11BackendTest, DestroyingThePosterLetsGoOfHeldButtonsAndKeys) {
    JOYVANE_REQUIRE_PRIVATE_DESKTOP(server);
    ASSERT_NO_FATAL_FAILURE(open());
    TestWindow window(server.display());
    ASSERT_TRUE(window.ok());
    backend->poster->post(MouseEvent{
        EventSourceState::hidSystem, MouseEventType::leftMouseDown, {10, 10}, mouse_button::left});
    backend->poster->post(key(key_code::command, true));
    backend->poster->post(key(key_code::v, true, modifier_flag::command));
    backend->poster.reset();
    window.collect(4, 2);
    EXPECT_EQ(window.buttons.back(), (std::pair<unsigned int, bool>{1, false}));
    EXPECT_TRUE(window.noModifierDown());
    Window root = None;
    Window child = None;
    int x = 0;
    int y = 0;
    unsigned int mask = 0;
    XQueryPointer(window.display(), DefaultRootWindow(window.display()), &root, &child, &x, &y, &x,
                  &y, &mask);
    EXPECT_EQ(mask & (Button1Mask | Button2Mask | Button3Mask), 0u);
}

TEST_F(X11BackendTest, TwoMonitorsSideBySideClampTheMouseController) {
    PrivateDesktop wide{xServerOnly("2720x1024")};
    JOYVANE_REQUIRE_PRIVATE_DESKTOP(wide);
    ASSERT_TRUE(runToCompletion(
        {"xrandr", "-d", wide.display(), "--setmonitor", "LEFT", "1440/381x900/238+0+0", "screen"},
        wide.environment()));
    ASSERT_TRUE(runToCompletion({"xrandr", "-d", wide.display(), "--setmonitor", "RIGHT",
                                 "1280/338x1024/270+1440+0", "none"},
                                wide.environment()));
    std::string error;
    auto opened = openX11Backend(scheduler, &error, wide.display().c_str());
    ASSERT_TRUE(opened) << error;
    TestWindow window(wide.display(), 2720, 1024);
    ASSERT_TRUE(window.ok());

    auto screens = opened->screens->screens();
    ASSERT_EQ(screens.size(), 2u);
    EXPECT_EQ(screens[0].frame, (Rect{0, 0, 1440, 900}));
    EXPECT_EQ(screens[1].frame, (Rect{1440, -124, 1280, 1024}));

    MouseController mouse(*opened->poster, *opened->screens);
    opened->poster->warp({2000, 500});
    mouse.move(5000, 0);  // the right edge of the right monitor
    EXPECT_EQ(pointerOn(wide), (Point{2719, 500}));
    mouse.move(-10000, 0);  // across both, to the left edge of the left one
    EXPECT_EQ(pointerOn(wide), (Point{0, 500}));
    // Vertically the frames are flipped like the pointer: the taller right monitor reaches
    // down to y 1023.
    opened->poster->warp({2000, 500});
    mouse.move(0, 5000);
    EXPECT_EQ(pointerOn(wide), (Point{2000, 1023}));
    mouse.move(0, -5000);
    EXPECT_EQ(pointerOn(wide), (Point{2000, 0}));
}

// Against the private Xvfb's own pointer device, which the server lets a client switch off
// and on like a controller's touchpad.
TEST_F(X11BackendTest, XInputListsPointersAndSwitchesOneOffAndOnAgain) {
    JOYVANE_REQUIRE_PRIVATE_DESKTOP(server);
    ASSERT_NO_FATAL_FAILURE(open());
    XInputDevices devices(backend->connection);

    const auto list = devices.devices();
    auto mouse = std::find_if(list.begin(), list.end(), [](const InputDevice& device) {
        return device.name.find("XTEST") == std::string::npos;
    });
    ASSERT_NE(mouse, list.end()) << "Xvfb has a pointer device of its own";
    ASSERT_TRUE(mouse->enabled);
    const int id = mouse->id;
    auto enabledNow = [&devices, id] {
        for (const auto& device : devices.devices()) {
            if (device.id == id) {
                return device.enabled;
            }
        }
        return true;
    };

    EXPECT_TRUE(devices.setEnabled(id, false));
    EXPECT_FALSE(enabledNow());
    EXPECT_TRUE(devices.setEnabled(id, true));
    EXPECT_TRUE(enabledNow());
    EXPECT_FALSE(devices.setEnabled(4242, false)) << "no such device";
}

TEST_F(X11BackendTest, ALostConnectionMakesEveryCallFailQuietly) {
    PrivateDesktop doomed{xServerOnly()};
    JOYVANE_REQUIRE_PRIVATE_DESKTOP(doomed);
    std::string error;
    auto opened = openX11Backend(scheduler, &error, doomed.display().c_str());
    ASSERT_TRUE(opened) << error;
    XInputDevices devices(opened->connection);
    ASSERT_FALSE(devices.devices().empty());
    opened->poster->warp({10, 10});
    Point before = opened->screens->mouseLocation();
    doomed.stopXServer();
    // The first request after the server left discovers it; none of them may end the process.
    for (int i = 0; i < 3; ++i) {
        opened->poster->warp({20, 20});
        opened->poster->post(MouseEvent{});
        opened->poster->post(key(key_code::escape, true));
        opened->screens->mouseLocation();
        opened->screens->refresh();
    }
    EXPECT_TRUE(opened->connection->isLost());
    EXPECT_FALSE(opened->poster->post(ScrollEvent{EventSourceState::hidSystem, 40, 0, 0}));
    EXPECT_FALSE(opened->poster->post(key(key_code::escape, false)));
    EXPECT_EQ(opened->screens->screens().size(), 1u);  // the last known layout
    EXPECT_EQ(opened->screens->mouseLocation(), before);
    EXPECT_TRUE(devices.devices().empty());
    EXPECT_FALSE(devices.setEnabled(2, true));
}

TEST(X11BackendOpen, AServerWithoutXTestGivesOneClearSentence) {
    PrivateDesktop server{xServerOnly("640x480", false)};
    JOYVANE_REQUIRE_PRIVATE_DESKTOP(server);
    ManualScheduler scheduler;
    std::string error;
    EXPECT_FALSE(openX11Backend(scheduler, &error, server.display().c_str()));
    EXPECT_EQ(error, "The X server \"" + server.display() +
                         "\" lacks the XTest extension, which Joyvane needs to post input.");
}

TEST(X11BackendOpen, NoDisplayGivesOneClearSentence) {
    ManualScheduler scheduler;
    std::string error;
    EXPECT_FALSE(openX11Backend(scheduler, &error, ":299"));
    EXPECT_EQ(error, "Cannot open the X display \":299\", and Joyvane needs an X11 session.");
}

}  // namespace
}  // namespace joyvane::x11
