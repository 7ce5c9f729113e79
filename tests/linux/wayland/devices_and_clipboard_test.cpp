#include <gtest/gtest.h>
#include <libevdev/libevdev.h>

#include "core/manual_scheduler.h"
#include "platform/linux/wayland/clipboard_typing.h"
#include "platform/linux/wayland/uinput_devices.h"
#include "platform/linux/wayland/wayland_event_poster.h"
#include "platform/linux/wayland/xkb_keymap.h"
#include "recording_sink.h"

namespace joyvane::wayland {
namespace {

TEST(VirtualDevices, ThePointerIsOneAbsoluteMouseOverTheWholeArea) {
    EvdevDescription pointer = describePointer({-1280, 0, 2720, 1024});
    libevdev* d = pointer.get();
    const input_absinfo* x = libevdev_get_abs_info(d, ABS_X);
    const input_absinfo* y = libevdev_get_abs_info(d, ABS_Y);
    ASSERT_TRUE(x && y);
    EXPECT_EQ(x->minimum, 0);
    EXPECT_EQ(x->maximum, 2719);
    EXPECT_EQ(y->maximum, 1023);
    for (unsigned code = BTN_LEFT; code <= BTN_TASK; ++code) {
        EXPECT_TRUE(libevdev_has_event_code(d, EV_KEY, code)) << code;
    }
    for (unsigned code : {REL_WHEEL, REL_HWHEEL, REL_WHEEL_HI_RES, REL_HWHEEL_HI_RES}) {
        EXPECT_TRUE(libevdev_has_event_code(d, EV_REL, code)) << code;
    }
    // Not a touchscreen or tablet (libinput would map it to one output), no relative motion.
    EXPECT_FALSE(libevdev_has_event_code(d, EV_KEY, BTN_TOUCH));
    EXPECT_FALSE(libevdev_has_event_code(d, EV_KEY, BTN_TOOL_PEN));
    EXPECT_FALSE(libevdev_has_property(d, INPUT_PROP_DIRECT));
    EXPECT_FALSE(libevdev_has_event_code(d, EV_REL, REL_X));
    EXPECT_FALSE(libevdev_has_event_code(d, EV_KEY, KEY_A)) << "keys belong to the keyboard";
}

TEST(VirtualDevices, TheKeyboardHasEveryKeyTheKeymapCanPlace) {
    EvdevDescription keyboard = describeKeyboard();
    libevdev* d = keyboard.get();
    for (unsigned code : {KEY_ESC, KEY_A, KEY_LEFTCTRL, KEY_LEFTMETA, KEY_SYSRQ, KEY_RIGHTALT,
                          KEY_102ND, KEY_MICMUTE}) {
        EXPECT_TRUE(libevdev_has_event_code(d, EV_KEY, code)) << code;
    }
    EXPECT_FALSE(libevdev_has_event_code(d, EV_KEY, BTN_LEFT));
    EXPECT_FALSE(libevdev_has_event_type(d, EV_ABS));
    EXPECT_FALSE(libevdev_has_event_type(d, EV_REL));
}

TEST(VirtualDevices, MissingAccessNamesItsFix) {
    EXPECT_EQ(uinputAccess("/nonexistent/uinput"), UinputAccess::missing);
    EXPECT_NE(uinputProblem(UinputAccess::missing).find("modprobe uinput"), std::string::npos);
    EXPECT_NE(uinputProblem(UinputAccess::notWritable).find("udev rule"), std::string::npos);
    EXPECT_TRUE(uinputProblem(UinputAccess::ready).empty());
}

class FakeClipboard final : public TextClipboard {
  public:
    std::optional<std::string> read() override { return content; }
    bool write(const std::string& text) override {
        content = text;
        writes.push_back(text);
        return true;
    }
    void clear() override { content.reset(); }
    std::optional<std::string> content;
    std::vector<std::string> writes;
};

// The poster typing through the clipboard what the keymap cannot place.
struct Typing : Posting {
    explicit Typing(bool terminal)
        : typing(scheduler, clipboard, *poster, [terminal] { return terminal; }) {
        poster->setTypeText([this](const std::u16string& text) { typing.type(text); });
    }
    ManualScheduler scheduler;
    FakeClipboard clipboard;
    ClipboardTyping typing;
};

TEST(ClipboardTyping, PastesWhatTheKeymapCannotTypeAndPutsTheClipboardBack) {
    struct Case {
        bool terminal;
        std::optional<std::string> before;
        std::vector<std::uint16_t> paste;
    };
    for (const Case& c : {Case{false, "saved", {KEY_LEFTCTRL, KEY_V}},
                          Case{true, std::nullopt, {KEY_LEFTCTRL, KEY_LEFTSHIFT, KEY_V}}}) {
        Typing t(c.terminal);
        t.clipboard.content = c.before;
        t.type(u"\u05e9");      // ש
        t.type(u"\u20ac");      // €
        t.type(u"\U0001F600");  // beyond the Basic Multilingual Plane
        t.scheduler.advanceBy(ClipboardTyping::kRestoreAfter / 2);
        EXPECT_EQ(t.clipboard.content, "\xF0\x9F\x98\x80") << "restored while still typing";
        t.scheduler.advanceBy(ClipboardTyping::kRestoreAfter);
        std::vector<Frame> expected;
        for (int i = 0; i < 3; ++i) {
            auto frames = chord(c.paste);
            expected.insert(expected.end(), frames.begin(), frames.end());
        }
        EXPECT_EQ(t.sink->frames, expected);
        EXPECT_EQ(
            (std::vector<std::string>(t.clipboard.writes.begin(), t.clipboard.writes.begin() + 3)),
            (std::vector<std::string>{"\xD7\xA9", "\xE2\x82\xAC", "\xF0\x9F\x98\x80"}));
        EXPECT_EQ(t.clipboard.content, c.before) << "the content before typing comes back once";
    }
}

}  // namespace
}  // namespace joyvane::wayland
