#include "mapping/encoding.h"
#include "mapping/json_text.h"

#include <gtest/gtest.h>

#include <string>

namespace joyvane {
namespace {

// The settings_file scenario shows buttons and actions in their encoded form.
TEST(Encoding, EveryValueRoundTrips) {
    EXPECT_EQ(encode(ComboID{ButtonID::l2, ButtonID::r2}),
              R"j({"a":"L2 (trigger)","b":"R2 (trigger)"})j");
    for (ButtonID id : allButtonIDs) {
        EXPECT_EQ(decodeButtonID(encode(id)), id);
        for (ButtonID other : allButtonIDs) {
            ComboID combo{id, other};
            EXPECT_EQ(decodeComboID(encode(combo)), combo);
        }
    }
    for (ButtonAction action : allButtonActions) {
        EXPECT_EQ(decodeButtonAction(encode(action)), action);
    }
}

TEST(Encoding, DecodingAcceptsAnyValidSpellingOfTheSameJson) {
    EXPECT_EQ(decodeButtonID(" \n\"\\u2715 Cross\"\t"), ButtonID::cross);
    EXPECT_EQ(decodeButtonID(R"("Share \/ Create")"), ButtonID::share);
    EXPECT_EQ(decodeButtonAction(R"("\u05dc\u05dc\u05d0")"), ButtonAction::none);
    EXPECT_EQ(decodeComboID(R"( { "b" : "L1" , "a" : "Options" } )"),
              (ComboID{ButtonID::options, ButtonID::l1}));
}

TEST(Encoding, ButtonsAndActionsRejectAnythingButAnExactRawValue) {
    for (const char* bad : {
             R"("Cross")",     // the label without its symbol
             R"("L2")",        // a short name
             R"("L1 ")",       // trailing space inside the string
             R"("L1\u0000")",  // an embedded NUL
             "L1",             // not JSON text
             R"("L1)",         // unterminated
             R"("L1" "R1")",   // two values
             R"({"a":"L1"})",  //
             "",               //
             "\"L\x01\"",      // an unescaped control character
             R"("\uD800")",    // a lone surrogate
             R"("\u12")",      // a cut-off escape
             "\"L1\\",         // a backslash at the very end
         }) {
        EXPECT_EQ(decodeButtonID(bad), std::nullopt) << bad;
    }
    EXPECT_EQ(decodeButtonAction(R"("Left Click")"), std::nullopt);
    EXPECT_EQ(decodeButtonAction(encode(ButtonID::l1)), std::nullopt);
    EXPECT_EQ(decodeButtonID(encode(ButtonAction::leftClick)), std::nullopt);
}

TEST(Encoding, CombosRejectAnyOtherShape) {
    for (const char* bad : {
             R"({"a":"L1"})",                          // missing key
             R"({"a":"L1","b":"R1","c":"L2"})",        // extra key
             R"({"a":"L1","a":"R1"})",                 // repeated key
             R"({"A":"L1","B":"R1"})",                 // keys are case-sensitive
             R"({"a":"L1","b":"Cross"})",              // not a raw value
             R"({"a":"L1","b":{"a":"L1","b":"R1"}})",  // nested
             R"({"a":"L1","b":"R1",})",                // trailing comma
             R"({"a":"L1" "b":"R1"})",                 // missing comma
             R"({"a":"L1","b":"R1"} x)",               // trailing text
             R"(["L1","R1"])",                         // a list
             R"("L1")",                                // a single button
             "{}",                                     //
         }) {
        EXPECT_EQ(decodeComboID(bad), std::nullopt) << bad;
    }
}

TEST(Encoding, LargeOrHostileInputIsRejectedSafely) {
    std::string deep(100000, '[');
    EXPECT_EQ(decodeComboID(deep), std::nullopt);
    EXPECT_EQ(decodeButtonID(deep), std::nullopt);
    std::string longString = "\"" + std::string(100000, 'x') + "\"";
    EXPECT_EQ(decodeButtonID(longString), std::nullopt);
    std::string withNul("\"L1\"\0", 5);
    EXPECT_EQ(decodeButtonID(withNul), std::nullopt);
    EXPECT_EQ(decodeButtonID(std::string_view("\"L1\"", 3)), std::nullopt);
}

TEST(JsonText, QuotingEscapesWhatJsonRequiresAndParsesBack) {
    const std::string text = "a\"b\\c\n\x01/\xD7\x90";
    EXPECT_EQ(jsonQuote(text), "\"a\\\"b\\\\c\\u000a\\u0001/\xD7\x90\"");
    EXPECT_EQ(parseJsonString(jsonQuote(text)), text);
    // A surrogate pair becomes one four-byte character.
    EXPECT_EQ(parseJsonString(R"("\ud83c\udfae")"), "\xF0\x9F\x8E\xAE");
}

}  // namespace
}  // namespace joyvane
