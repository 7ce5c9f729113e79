#include <gtest/gtest.h>

#include "keyboard/ps_keyboard_controller.h"
#include "mapping/perform.h"
#include "output/mouse_controller.h"
#include "platform/sim/sim_platform.h"
#include "recording_sink.h"

namespace joyvane::wayland {
namespace {

Frame absFrame(int x, int y) {
    return {VirtualDevice::pointer, {{EV_ABS, ABS_X, x}, {EV_ABS, ABS_Y, y}, kSyn}};
}
Frame buttonFrame(std::uint16_t code, bool down) {
    return {VirtualDevice::pointer, {{EV_KEY, code, down ? 1 : 0}, kSyn}};
}

// A click goes down wherever the pointer is, as a real mouse's does.
std::vector<Frame> click(std::uint16_t code) {
    return {buttonFrame(code, true), buttonFrame(code, false)};
}

TEST(WaylandActions, EveryActionPostsItsEvdevFramesOnPressAndRelease) {
    using V = std::vector<Frame>;
    struct Case {
        ButtonAction action;
        V frames;
        const char* layout = "us";
    };
    std::vector<Case> cases = {
        {ButtonAction::none, {}},
        {ButtonAction::leftClick, click(BTN_LEFT)},
        {ButtonAction::rightClick, click(BTN_RIGHT)},
        {ButtonAction::middleClick, click(BTN_MIDDLE)},
        {ButtonAction::toggleEnable, {}},
        {ButtonAction::escape, chord({KEY_ESC})},
        {ButtonAction::enter, chord({KEY_ENTER})},
        {ButtonAction::space, chord({KEY_SPACE})},
        {ButtonAction::tab, chord({KEY_TAB})},
        {ButtonAction::deleteKey, chord({KEY_BACKSPACE})},
        {ButtonAction::cmdCopy, chord({KEY_LEFTCTRL, KEY_C})},
        {ButtonAction::cmdPaste, chord({KEY_LEFTCTRL, KEY_V})},
        {ButtonAction::cmdUndo, chord({KEY_LEFTCTRL, KEY_Z})},
        {ButtonAction::cmdCut, chord({KEY_LEFTCTRL, KEY_X})},
        {ButtonAction::cmdSelectAll, chord({KEY_LEFTCTRL, KEY_A})},
        {ButtonAction::cmdTab, chord({KEY_LEFTALT, KEY_TAB})},
        {ButtonAction::spaceLeft, chord({KEY_LEFTCTRL, KEY_LEFTALT, KEY_LEFT})},
        {ButtonAction::spaceRight, chord({KEY_LEFTCTRL, KEY_LEFTALT, KEY_RIGHT})},
        {ButtonAction::missionCtrl, chord({KEY_LEFTMETA})},
        {ButtonAction::showKeyboard, {}},
        {ButtonAction::screenshot, chord({KEY_SYSRQ})},
    };
    ASSERT_EQ(cases.size(), kButtonActionCount);
    // German: Ctrl+Z is the key labelled Z, which sits where a US keyboard has Y.
    // Hebrew: no Latin letters, so the shortcut takes the Latin keyboard's key.
    cases.push_back({ButtonAction::cmdUndo, chord({KEY_LEFTCTRL, KEY_Y}), "de"});
    cases.push_back({ButtonAction::cmdCopy, chord({KEY_LEFTCTRL, KEY_C}), "il"});
    cases.push_back({ButtonAction::screenshot, chord({KEY_SYSRQ}), "il"});
    for (const Case& c : cases) {
        sim::SimPlatform sim;
        Posting posting(c.layout);
        MouseController mouse(*posting.poster, sim.screens);
        PSKeyboardController keyboard(sim.scheduler, *posting.poster, sim.accessibility,
                                      sim.panels);
        perform(c.action, true, mouse, keyboard);
        perform(c.action, false, mouse, keyboard);
        EXPECT_EQ(posting.sink->frames, c.frames) << c.layout << " " << caseName(c.action);
    }
}

TEST(WaylandTyping, CharactersArePlacedOnTheSessionKeymap) {
    struct Case {
        const char* layout;
        std::u16string text;
        std::vector<std::uint16_t> keys;  // empty: the keymap cannot type it
    };
    const std::vector<Case> cases = {
        {"us", u"a", {KEY_A}},
        {"us", u"A", {KEY_LEFTSHIFT, KEY_A}},
        {"us", u"!", {KEY_LEFTSHIFT, KEY_1}},
        {"us", u" ", {KEY_SPACE}},
        {"us", u"\u05e9", {}},  // ש
        {"us", u"\u20ac", {}},  // €
        {"us", u"\u2014", {}},  // —
        {"il", u"\u05e9", {KEY_A}},
        {"il", u"\u05ea", {KEY_COMMA}},  // ת
        {"il", u"a", {}},
        {"de", u"z", {KEY_Y}},
        {"de", u"\u00df", {KEY_MINUS}},  // ß
        {"de", u"@", {KEY_RIGHTALT, KEY_Q}},
        {"de", u"\u20ac", {KEY_RIGHTALT, KEY_E}},
        {"de", u"\u00d6", {KEY_LEFTSHIFT, KEY_SEMICOLON}},  // Ö
    };
    for (const Case& c : cases) {
        Posting posting(c.layout);
        EXPECT_TRUE(posting.type(c.text));
        std::string label = std::string(c.layout) + " U+" + std::to_string(c.text[0]);
        if (c.keys.empty()) {
            EXPECT_TRUE(posting.sink->frames.empty()) << label;
            EXPECT_EQ(posting.unplaced, std::vector<std::u16string>{c.text}) << label;
        } else {
            EXPECT_EQ(posting.sink->frames, chord(c.keys)) << label;
            EXPECT_TRUE(posting.unplaced.empty()) << label;
        }
    }
}

TEST(WaylandTyping, ALevelModifierHeldByTheChordStaysDown) {
    // Shift held for a capital while the chord's own Shift is down goes up only once.
    Posting posting;
    posting.poster->post(key(key_code::shift, true));
    posting.poster->post(key(key_code::a, true, modifier_flag::shift));
    posting.type(u"B");
    posting.poster->post(key(key_code::a, false, modifier_flag::shift));
    posting.poster->post(key(key_code::shift, false));
    EXPECT_EQ(posting.sink->frames,
              (std::vector<Frame>{keyFrame(KEY_LEFTSHIFT, true), keyFrame(KEY_A, true),
                                  keyFrame(KEY_B, true), keyFrame(KEY_B, false),
                                  keyFrame(KEY_A, false), keyFrame(KEY_LEFTSHIFT, false)}));
}

TEST(WaylandPointer, WheelsSendNotchesAndHighResolutionUnitsWithTheirRemainders) {
    Posting posting;
    auto scroll = [&](std::int32_t vertical, std::int32_t horizontal) {
        posting.poster->post(ScrollEvent{EventSourceState::hidSystem, vertical, horizontal, 0});
    };
    scroll(40, 0);   // 1 notch (8 px left over), 150 units
    scroll(24, 0);   // the 8 px make a second notch; 90 units
    scroll(10, 0);   // less than a notch: units only
    scroll(-10, 0);  // a turn drops what was left over
    scroll(0, 32);   // towards the left edge
    scroll(0, 0);    // nothing: no frame
    const auto pointer = VirtualDevice::pointer;
    EXPECT_EQ(posting.sink->frames,
              (std::vector<Frame>{
                  {pointer, {{EV_REL, REL_WHEEL, 1}, {EV_REL, REL_WHEEL_HI_RES, 150}, kSyn}},
                  {pointer, {{EV_REL, REL_WHEEL, 1}, {EV_REL, REL_WHEEL_HI_RES, 90}, kSyn}},
                  {pointer, {{EV_REL, REL_WHEEL_HI_RES, 37}, kSyn}},
                  {pointer, {{EV_REL, REL_WHEEL_HI_RES, -37}, kSyn}},
                  {pointer, {{EV_REL, REL_HWHEEL, -1}, {EV_REL, REL_HWHEEL_HI_RES, -120}, kSyn}},
              }));
}

TEST(WaylandPointer, DragsMoveTheAbsolutePointerWithTheButtonHeld) {
    Posting posting;
    posting.space.area = {-1280, -124, 2720, 1024};  // a screen to the left, reaching higher
    auto mouse = [&](MouseEventType type, Point at) {
        posting.poster->post(MouseEvent{EventSourceState::hidSystem, type, at, 0, 0, 0});
    };
    posting.poster->warp({10.9, 20.2});
    mouse(MouseEventType::leftMouseDown, {10.9, 20.2});
    posting.poster->warp({-5, 30});
    mouse(MouseEventType::leftMouseDragged, {-5, 30});      // already there: nothing more
    mouse(MouseEventType::leftMouseDragged, {4000, -500});  // beyond the area: its edge
    mouse(MouseEventType::leftMouseUp, {4000, -500});
    EXPECT_EQ(
        posting.sink->frames,
        (std::vector<Frame>{absFrame(1290, 144), buttonFrame(BTN_LEFT, true), absFrame(1275, 154),
                            absFrame(2719, 0), buttonFrame(BTN_LEFT, false)}));
    EXPECT_EQ(posting.sink->areas.size(), 1u) << "the axes follow the new area once";
    EXPECT_EQ(posting.space.pointer, (Point{4000, -500}));
}

TEST(WaylandPointer, NothingStaysDownWhenTheTranslatorGoes) {
    RecordingSink sink;
    {
        EvdevTranslator translator(sink, keymap("us"), nullptr, {});
        translator.post(
            MouseEvent{EventSourceState::hidSystem, MouseEventType::rightMouseDown, {}, 1});
        translator.post(key(key_code::command, true), nullptr);
        translator.post(key(key_code::tab, true, modifier_flag::command), nullptr);
    }
    EXPECT_EQ(sink.frames,
              (std::vector<Frame>{buttonFrame(BTN_RIGHT, true), keyFrame(KEY_LEFTALT, true),
                                  keyFrame(KEY_TAB, true), keyFrame(KEY_TAB, false),
                                  keyFrame(KEY_LEFTALT, false), buttonFrame(BTN_RIGHT, false)}));
}

}  // namespace
}  // namespace joyvane::wayland
