#include "simtool/call_printer.h"

#include <gtest/gtest.h>

#include "simtool/text_format.h"

namespace joyvane::simtool {
namespace {

std::string line(Time time, sim::Call call) {
    return formatCall({time, std::move(call)});
}

MouseEvent mouse(MouseEventType type, Point p, int button, std::int64_t dx = 0,
                 std::int64_t dy = 0) {
    MouseEvent e;
    e.type = type;
    e.position = p;
    e.button = button;
    e.deltaX = dx;
    e.deltaY = dy;
    return e;
}

KeyEvent key(std::uint16_t code, bool down, std::uint64_t flags, std::u16string text = {}) {
    KeyEvent e;
    e.keyCode = code;
    e.down = down;
    e.flags = flags;
    e.text = std::move(text);
    return e;
}

TEST(CallPrinter, TimeHasFourDecimalsAndCoordinatesTwo) {
    EXPECT_EQ(line(1.0 / 60, sim::WarpCall{{732.6089, 450}}), "0.0167 warp 732.61 450.00");
    EXPECT_EQ(line(0, sim::WarpCall{{-0.0, 0}}), "0.0000 warp 0.00 0.00") << "no negative zero";
}

TEST(CallPrinter, MotionCarriesDeltasClicksDoNotKeysShowHexFlagsAndText) {
    EXPECT_EQ(line(2, mouse(MouseEventType::rightMouseDragged, {1, 2}, 1, 4, -5)),
              "2.0000 mouse rightDragged x=1.00 y=2.00 button=1 dx=4 dy=-5");
    EXPECT_EQ(line(0, mouse(MouseEventType::otherMouseUp, {5, 6}, 2, 9, 9)),
              "0.0000 mouse otherUp x=5.00 y=6.00 button=2");
    EXPECT_EQ(line(1, key(0, true, 0xABCDEF)), "1.0000 key down 0 flags=0xABCDEF");
    EXPECT_EQ(line(1, key(0, false, 0, u"\u20AC")), "1.0000 key up 0 flags=0x0 text=\"\u20AC\"");
    EXPECT_EQ(line(3, sim::RevealCall{"/tmp/a b"}), "3.0000 reveal /tmp/a b");
    EXPECT_EQ(line(3, sim::PromptCall{}), "3.0000 prompt accessibility");
}

TEST(TextFormat, ShortestTextReadsBackToTheSameValue) {
    EXPECT_EQ(shortestText(0.8f), "0.8");
    EXPECT_EQ(shortestText(0.12), "0.12");
    EXPECT_EQ(shortestText(5.0), "5");
    EXPECT_EQ(shortestText(0.1f + 0.2f), "0.3");
    EXPECT_EQ(shortestText(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(shortestText(-1.0f), "-1");
}

TEST(TextFormat, Utf8OfUtf16KeepsPairsAndReplacesLoneSurrogates) {
    EXPECT_EQ(utf8FromUtf16(u"a\u05D0\u20AC"), "a\u05D0\u20AC");
    EXPECT_EQ(utf8FromUtf16(u"\U0001F600"), "\U0001F600");
    EXPECT_EQ(utf8FromUtf16(std::u16string(1, char16_t(0xD800)) + u"x"), "\uFFFDx");
    EXPECT_EQ(utf8FromUtf16(std::u16string(1, char16_t(0xDC00))), "\uFFFD");
}

}  // namespace
}  // namespace joyvane::simtool
