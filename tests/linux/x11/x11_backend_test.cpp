#include <gtest/gtest.h>

#include "platform/linux/x11/x11_backend.h"
#include "platform/linux/x11/xinput_devices.h"

#include <X11/XKBlib.h>

#include "core/manual_scheduler.h"
#include "output/mouse_controller.h"
#include "support/private_desktop.h"
#include "support/x_probe.h"
#include "support/x_test_window.h"

namespace joyvane::x11 {
namespace {

using namespace testing;

KeyEvent key(std::uint16_t code, bool down, std::uint64_t flags = 0, std::u16string text = {}) {
    return {EventSourceState::combinedSession, code, down, flags, std::move(text)};
}

Point pointerOn(const std::string& display) {
    auto at = pointerPosition(display);
    return at ? Point{static_cast<double>(at->x), static_cast<double>(at->y)} : Point{-1, -1};
}

// One private X server for the whole suite: two monitors side by side, the primary 1440 × 900
// on the left and a taller 1280 × 1024 one on its right. Each test opens the backend afresh,
// with a window of its own covering both monitors.
class X11BackendTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        server = new PrivateDesktop(xServerOnly("2720x1024"));
        const std::vector<std::string> monitors[] = {{"LEFT", "1440/381x900/238+0+0", "screen"},
                                                     {"RIGHT", "1280/338x1024/270+1440+0", "none"}};
        for (const auto& monitor : monitors) {
            std::vector<std::string> argv = {"xrandr", "-d", server->display(), "--setmonitor"};
            argv.insert(argv.end(), monitor.begin(), monitor.end());
            runToCompletion(argv, server->environment());
        }
    }
    static void TearDownTestSuite() { delete server; }

    void SetUp() override {
        JOYVANE_REQUIRE_PRIVATE_DESKTOP(*server);
        std::string error;
        auto opened = openX11Backend(scheduler, &error, server->display().c_str());
        ASSERT_TRUE(opened) << error;
        backend = std::move(*opened);
        window.emplace(server->display(), 2720, 1024);
        ASSERT_TRUE(window->ok());
    }

    void type(const std::u16string& character) {
        EXPECT_TRUE(backend->poster->post(key(0, true, 0, character)));
        EXPECT_TRUE(backend->poster->post(key(0, false, 0, character)));
    }
    // The keys the window saw pressed, but for the Shift that chooses a level.
    std::vector<KeySym> pressedKeys() const {
        std::vector<KeySym> pressed;
        for (const ReceivedKey& k : window->keys) {
            if (k.press && k.keysym != XK_Shift_L) {
                pressed.push_back(k.keysym);
            }
        }
        return pressed;
    }

    static inline PrivateDesktop* server = nullptr;
    ManualScheduler scheduler;
    std::optional<X11Backend> backend;
    std::optional<TestWindow> window;
};

TEST_F(X11BackendTest, ThePointerMovesClampsAndClicksOnTheRealServer) {
    const std::string& display = server->display();
    backend->poster->warp({100.75, 200.25});
    EXPECT_EQ(pointerOn(display), (Point{100, 200}));
    // The screen service reports the point asked for, fraction and all, so that slow motion adds
    // up, in its bottom-left space; someone else moving the pointer wins.
    EXPECT_EQ(backend->screens->mouseLocation(), (Point{100.75, 900 - 200.25}));
    MouseController mouse(*backend->poster, *backend->screens);
    XWarpPointer(window->display(), None, DefaultRootWindow(window->display()), 0, 0, 0, 0, 2000,
                 500);
    XSync(window->display(), False);
    EXPECT_EQ(mouse.currentCGPosition(), (Point{2000, 500}));

    // Both RandR monitors are read: the pointer stops at the right one's right edge, and at
    // y 1023 on it, which is taller. The clamp itself is the mouse controller's tests'.
    mouse.move(5000, 0);
    EXPECT_EQ(pointerOn(display), (Point{2719, 500}));
    mouse.move(0, 5000);
    EXPECT_EQ(pointerOn(display), (Point{2719, 1023}));

    backend->poster->warp({300, 300});
    using enum MouseEventType;
    for (auto [down, up, button] :
         {std::tuple{leftMouseDown, leftMouseUp, mouse_button::left},
          std::tuple{rightMouseDown, rightMouseUp, mouse_button::right},
          std::tuple{otherMouseDown, otherMouseUp, mouse_button::center}}) {
        mouse.postMouseButton(down, button);
        mouse.postMouseButton(up, button);
    }
    window->collect(0, 6);
    EXPECT_EQ(window->buttons,
              (std::vector<std::pair<unsigned int, bool>>{
                  {1, true}, {1, false}, {3, true}, {3, false}, {2, true}, {2, false}}));
}

// The character typed is the one asked for whatever is locked: a letter of either case, a digit,
// and a letter the keymap lacks (bound to a spare key). Then, with a Latin and a Hebrew layout
// and the Hebrew one active, characters and shortcuts still reach the window as asked.
TEST_F(X11BackendTest, TypingIgnoresLocksAndFollowsTheActiveLayoutGroup) {
    Display* display = window->display();
    const unsigned int numLock = XkbKeysymToModifiers(display, XK_Num_Lock);
    ASSERT_NE(numLock, 0u);
    for (unsigned int locked : {unsigned{LockMask}, numLock, LockMask | numLock}) {
        SCOPED_TRACE(locked);
        ASSERT_TRUE(XkbLockModifiers(display, XkbUseCoreKbd, LockMask | numLock, locked));
        XSync(display, False);
        window->keys.clear();
        for (const std::u16string c : {u"t", u"T", u"1", u"\u00e9", u"\u00c9"}) {
            type(c);
        }
        window->collect(10, 0);
        EXPECT_EQ(pressedKeys(), (std::vector<KeySym>{XK_t, XK_T, XK_1, XK_eacute, XK_Eacute}));
        EXPECT_TRUE(window->noModifierDown());
    }
    XkbLockModifiers(display, XkbUseCoreKbd, LockMask | numLock, 0);

    ASSERT_TRUE(runToCompletion({"setxkbmap", "-display", server->display(), "-layout", "us,il"},
                                server->environment()));
    ASSERT_TRUE(XkbLockGroup(display, XkbUseCoreKbd, 1));
    XSync(display, False);
    window->keys.clear();
    type(u"a");
    type(u"\u05e9");
    for (const KeyEvent& e :
         {key(key_code::command, true), key(key_code::c, true, modifier_flag::command),
          key(key_code::c, false, modifier_flag::command), key(key_code::command, false)}) {
        EXPECT_TRUE(backend->poster->post(e));
    }
    window->collect(8, 0);
    EXPECT_EQ(pressedKeys(), (std::vector<KeySym>{XK_a, 0x10005e9, XK_Control_L, XK_c}));
    ASSERT_EQ(window->keys.size(), 8u);
    EXPECT_TRUE(window->keys[5].state & ControlMask) << "c without Control held";
    EXPECT_TRUE(window->noModifierDown());
    XkbLockGroup(display, XkbUseCoreKbd, 0);
}

TEST_F(X11BackendTest, DestroyingThePosterLetsGoOfHeldButtonsAndKeys) {
    backend->poster->post(MouseEvent{
        EventSourceState::hidSystem, MouseEventType::leftMouseDown, {10, 10}, mouse_button::left});
    backend->poster->post(key(key_code::command, true));
    backend->poster->post(key(key_code::v, true, modifier_flag::command));
    backend->poster.reset();
    window->collect(4, 2);
    EXPECT_EQ(window->buttons.back(), (std::pair<unsigned int, bool>{1, false}));
    EXPECT_TRUE(window->noModifierDown());
}

// XInput refuses a device the server does not have (switching real ones off and on is the
// touchpad recovery test's, through the program); then the server goes away.
TEST(X11BackendLost, ALostConnectionMakesEveryCallFailQuietly) {
    PrivateDesktop doomed{xServerOnly()};
    JOYVANE_REQUIRE_PRIVATE_DESKTOP(doomed);
    ManualScheduler scheduler;
    std::string error;
    auto opened = openX11Backend(scheduler, &error, doomed.display().c_str());
    ASSERT_TRUE(opened) << error;
    XInputDevices devices(opened->connection);
    EXPECT_FALSE(devices.setEnabled(4242, false)) << "no such device";

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

TEST(X11BackendOpen, NoServerOrNoXTestGivesOneClearSentence) {
    PrivateDesktop server{xServerOnly("640x480", false)};
    JOYVANE_REQUIRE_PRIVATE_DESKTOP(server);
    ManualScheduler scheduler;
    std::string error;
    EXPECT_FALSE(openX11Backend(scheduler, &error, server.display().c_str()));
    EXPECT_EQ(error, "The X server \"" + server.display() +
                         "\" lacks the XTest extension, which Joyvane needs to post input.");
    EXPECT_FALSE(openX11Backend(scheduler, &error, ":299"));
    EXPECT_EQ(error, "Cannot open the X display \":299\", and Joyvane needs an X11 session.");
}

}  // namespace
}  // namespace joyvane::x11
