#include <gtest/gtest.h>

#include "keyboard_test_support.h"

namespace joyvane {
namespace {

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
