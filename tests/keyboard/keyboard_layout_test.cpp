#include <gtest/gtest.h>

#include <array>

#include "keyboard_test_support.h"

namespace joyvane {
namespace {

using test::utf8;

using Rows = std::array<std::u32string, 4>;

const Rows kLatin = {U"1234567890", U"qwertyuiop", U"asdfghjkl\u232B", U"zxcvbnm,.\u21B5"};
const Rows kHebrew = {
    U"1234567890",
    U"\u05E4\u05DD\u05DF\u05D5\u05D8\u05D0\u05E8\u05E7\u0027\u002F",
    U"\u05E9\u05D3\u05D2\u05DB\u05E2\u05D9\u05D7\u05DC\u05DA\u232B",
    U"\u05D6\u05E1\u05D1\u05D4\u05E0\u05DE\u05E6\u05EA\u05E5\u21B5",
};
const Rows kSymbols = {
    U"!@#$%^&*()",
    U"\u002D\u005F\u003D\u002B\u005B\u005D\u007B\u007D\u005C\u007C",
    U"\u003B\u003A\u0027\u0022\u003C\u003E\u002F\u003F\u007E\u232B",
    U"\u0060\u20AC\u00A3\u00A5\u2022\u2026\u2014\u2013\u00B7\u21B5",
};

void expectTable(KeyboardLayout layout, const Rows& expected) {
    test::KeyboardFixture f;
    f.kb.layout = layout;
    for (int row = 0; row < 4; ++row) {
        ASSERT_EQ(expected[row].size(), 10u);
        for (int col = 0; col < 10; ++col) {
            std::string cell = utf8(expected[row][col]);
            EXPECT_EQ(keysOf(layout)[row][col], cell) << "row " << row << " col " << col;
            EXPECT_EQ(f.kb.characterAt(row, col), cell) << "row " << row << " col " << col;
        }
    }
}

TEST(KeyboardLayoutTest, TablesMatchCodePointByCodePoint) {
    expectTable(KeyboardLayout::latin, kLatin);
    expectTable(KeyboardLayout::hebrew, kHebrew);
    expectTable(KeyboardLayout::symbols, kSymbols);
    EXPECT_EQ(&keysOf(KeyboardLayout::hebrew), &hebrewKeys());
}

TEST(KeyboardLayoutTest, RawValuesAndCycle) {
    EXPECT_EQ(rawValue(KeyboardLayout::latin), "EN");
    EXPECT_EQ(rawValue(KeyboardLayout::hebrew), utf8(0x05E2) + utf8(0x05D1));
    EXPECT_EQ(rawValue(KeyboardLayout::symbols), "#+");
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
    EXPECT_EQ(controlIcon(0), "globe");
    EXPECT_EQ(controlIcon(1), "space");
    EXPECT_EQ(controlIcon(2), "xmark");

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
