#include <gtest/gtest.h>

#include "keyboard/utf8.h"
#include "keyboard_test_support.h"

namespace joyvane {
namespace {

using test::textEvent;

class KeyboardTypingTest : public ::testing::Test {
  protected:
    std::vector<KeyEvent> events() const { return f.sim.log.all<KeyEvent>(); }

    test::KeyboardFixture f;
};

// Shift and the control row are in the keyboard_latin scenario.
TEST_F(KeyboardTypingTest, TypeRawSendsEachScalarAndSkipsFailedEvents) {
    f.kb.typeRaw("");
    EXPECT_TRUE(events().empty());

    // A character beyond the basic plane travels whole, as one surrogate pair.
    f.kb.typeRaw("\u20AC\U0001F600");
    EXPECT_EQ(events(),
              (std::vector{textEvent(u"\u20AC", true), textEvent(u"\u20AC", false),
                           textEvent(u"\U0001F600", true), textEvent(u"\U0001F600", false)}));

    f.sim.log.clear();
    f.sim.poster.failNextEvents(1);  // the key-down of "x" cannot be made
    f.kb.typeRaw("xy");
    EXPECT_EQ(events(),
              (std::vector{textEvent(u"x", false), textEvent(u"y", true), textEvent(u"y", false)}));
}

TEST_F(KeyboardTypingTest, MalformedUtf8SkipsOnlyTheBadBytes) {
    struct Case {
        std::string input;
        std::u16string typed;
    };
    // A byte that never begins a sequence, a stray continuation, a cut-off sequence, an
    // overlong form, an encoded surrogate and a value above U+10FFFF (octal escapes where a
    // letter follows, so it is not read as a hex digit).
    const Case cases[] = {
        {"a\377b", u"ab"},         {"\200c", u"c"},
        {"\342\202e", u"e"},       {"d\327", u"d"},
        {"\xC0\xAF", u""},         {"\355\240\200f", u"f"},
        {"\xF4\x90\x80\x80", u""}, {"\xD7\xA9\xFE\xD7\x93", u"\u05E9\u05D3"},
    };
    for (const Case& c : cases) {
        f.sim.log.clear();
        f.kb.typeRaw(c.input);
        std::u16string typed;
        for (const KeyEvent& e : events()) {
            EXPECT_EQ(e.text.size(), 1u);
            EXPECT_EQ(e.keyCode, 0);
            if (e.down) {
                typed += e.text;
            }
        }
        EXPECT_EQ(typed, c.typed) << "input of " << c.input.size() << " bytes";
        EXPECT_EQ(events().size(), 2 * c.typed.size());
    }
    // A sequence cut off by the end of the text is not completed from the bytes beyond it.
    EXPECT_TRUE(decodeUtf8Scalars(std::string_view("\xC3\xA9", 1)).empty());
}

TEST(KeyboardLayoutTest, OutsideTheGridIsEmpty) {
    test::KeyboardFixture f;
    for (auto [row, col] : {std::pair{4, 3}, {4, -1}, {5, 0}, {-1, 0}, {0, 10}, {3, -1}}) {
        EXPECT_EQ(f.kb.characterAt(row, col), "") << row << "," << col;
        EXPECT_EQ(f.kb.displayChar(row, col), "") << row << "," << col;
    }
}

TEST(KeyboardLayoutTest, UpperCaseChangesOnlyLatinLetters) {
    test::KeyboardFixture f;
    f.kb.isUppercase = true;

    f.kb.layout = KeyboardLayout::latin;
    EXPECT_EQ(f.kb.displayChar(1, 0), "Q");
    EXPECT_EQ(f.kb.displayChar(3, 0), "Z");  // both ends of the alphabet
    EXPECT_EQ(f.kb.displayChar(2, 0), "A");
    EXPECT_EQ(f.kb.displayChar(0, 0), "1");
    EXPECT_EQ(f.kb.displayChar(3, 7), ",");
    EXPECT_EQ(f.kb.displayChar(2, 9), "\u232B");
    EXPECT_EQ(f.kb.characterAt(1, 0), "q");  // the stored character stays lower case

    f.kb.layout = KeyboardLayout::hebrew;
    EXPECT_EQ(f.kb.displayChar(1, 0), "\u05E4");

    f.kb.layout = KeyboardLayout::symbols;
    EXPECT_EQ(f.kb.displayChar(3, 1), "\u20AC");
    EXPECT_EQ(f.kb.displayChar(0, 0), "!");
    EXPECT_TRUE(f.kb.isUppercase);  // kept for the return to latin
}

}  // namespace
}  // namespace joyvane
