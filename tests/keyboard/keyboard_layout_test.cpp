#include <gtest/gtest.h>

#include "keyboard_test_support.h"

namespace joyvane {
namespace {

using test::utf8;

TEST(KeyboardLayoutTest, RawValuesAndCycle) {
    for (KeyboardLayout layout : allKeyboardLayouts) {
        EXPECT_EQ(keyboardLayoutFromRawValue(rawValue(layout)), layout);
        EXPECT_EQ(nextLayout(nextLayout(nextLayout(layout))), layout);
    }
    EXPECT_EQ(nextLayout(KeyboardLayout::latin), KeyboardLayout::hebrew);
    EXPECT_EQ(nextLayout(KeyboardLayout::hebrew), KeyboardLayout::symbols);
    EXPECT_EQ(nextLayout(KeyboardLayout::symbols), KeyboardLayout::latin);
    EXPECT_EQ(keyboardLayoutFromRawValue("en"), std::nullopt);
    EXPECT_EQ(keyboardLayoutFromRawValue(""), std::nullopt);
}

TEST(KeyboardLayoutTest, ControlRowStoresSymbolsAndLabelsTheNextLayout) {
    test::KeyboardFixture f;
    EXPECT_EQ(f.kb.characterAt(4, 0), utf8(0x21EA));
    EXPECT_EQ(f.kb.characterAt(4, 1), utf8(0x23B5));
    EXPECT_EQ(f.kb.characterAt(4, 2), utf8(0x2715));

    const std::pair<KeyboardLayout, std::string> nextLabel[] = {
        {KeyboardLayout::latin, utf8(0x05E2) + utf8(0x05D1)},
        {KeyboardLayout::hebrew, "#+"},
        {KeyboardLayout::symbols, "EN"},
    };
    for (const auto& [layout, label] : nextLabel) {
        f.kb.layout = layout;
        EXPECT_EQ(f.kb.displayChar(4, 0), label);
        EXPECT_EQ(f.kb.displayChar(4, 1), "Space");
        EXPECT_EQ(f.kb.displayChar(4, 2), utf8(0x2715));
    }
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
    EXPECT_EQ(f.kb.displayChar(3, 6), "M");
    EXPECT_EQ(f.kb.displayChar(3, 0), "Z");  // both ends of the alphabet
    EXPECT_EQ(f.kb.displayChar(2, 0), "A");
    EXPECT_EQ(f.kb.displayChar(0, 0), "1");
    EXPECT_EQ(f.kb.displayChar(3, 7), ",");
    EXPECT_EQ(f.kb.displayChar(2, 9), utf8(0x232B));
    EXPECT_EQ(f.kb.displayChar(3, 9), utf8(0x21B5));
    EXPECT_EQ(f.kb.characterAt(1, 0), "q");  // the stored character stays lower case

    f.kb.layout = KeyboardLayout::hebrew;
    EXPECT_EQ(f.kb.displayChar(1, 0), utf8(0x05E4));
    EXPECT_EQ(f.kb.displayChar(0, 0), "1");

    f.kb.layout = KeyboardLayout::symbols;
    EXPECT_EQ(f.kb.displayChar(3, 1), utf8(0x20AC));
    EXPECT_EQ(f.kb.displayChar(0, 0), "!");
    EXPECT_TRUE(f.kb.isUppercase);  // kept for the return to latin
}

}  // namespace
}  // namespace joyvane
