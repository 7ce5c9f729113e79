#include <gtest/gtest.h>

#include <X11/XKBlib.h>

#include "core/manual_scheduler.h"
#include "platform/linux/x11/x11_backend.h"
#include "support/private_desktop.h"
#include "support/x_test_window.h"

namespace joyvane::x11 {
namespace {

using namespace testing;

// The character typed is the one asked for whatever is locked: a letter of either case, a digit,
// and a letter the keymap lacks (bound to a spare key).
TEST(LockKeys, CapsLockAndNumLockNeverChangeTheTypedCharacter) {
    PrivateDesktop server{xServerOnly()};
    JOYVANE_REQUIRE_PRIVATE_DESKTOP(server);
    ManualScheduler scheduler;
    std::string error;
    auto backend = openX11Backend(scheduler, &error, server.display().c_str());
    ASSERT_TRUE(backend) << error;
    TestWindow window(server.display());
    ASSERT_TRUE(window.ok());
    Display* display = window.display();
    unsigned int numLock = XkbKeysymToModifiers(display, XK_Num_Lock);
    ASSERT_NE(numLock, 0u);

    const std::u16string typed[] = {u"t", u"T", u"1", u"\u00e9", u"\u00c9"};
    const std::vector<KeySym> expected = {XK_t, XK_T, XK_1, XK_eacute, XK_Eacute};
    const unsigned int capsLock = LockMask;
    for (unsigned int locked : {capsLock, numLock, capsLock | numLock}) {
        SCOPED_TRACE(locked);
        ASSERT_TRUE(XkbLockModifiers(display, XkbUseCoreKbd, capsLock | numLock, locked));
        XSync(display, False);
        window.keys.clear();
        for (const std::u16string& c : typed) {
            KeyEvent event;
            event.text = c;
            event.down = true;
            EXPECT_TRUE(backend->poster->post(event));
            event.down = false;
            EXPECT_TRUE(backend->poster->post(event));
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

}  // namespace
}  // namespace joyvane::x11
