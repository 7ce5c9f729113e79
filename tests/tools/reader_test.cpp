#include "simtool/reader.h"

#include <gtest/gtest.h>

namespace joyvane::simtool {
namespace {

template <typename T>
const T& body(const ReadResult& result, std::size_t index) {
    return std::get<T>(result.commands.at(index).body);
}

TEST(Reader, KeepsTheLineNumbersOfCommandsBetweenCommentsAndBlankLines) {
    ReadResult r = readScenario(
        "# set-up\n"
        "\n"
        "controller pad category DualSense touchpad\n"
        "present pad\n"
        "start   # go\n"
        "stick left 1 0\n");
    ASSERT_FALSE(r.error) << r.error->message;
    ASSERT_EQ(r.commands.size(), 4u);
    EXPECT_EQ(r.commands[0].line, 3);
    EXPECT_EQ(r.commands[3].line, 6);
    EXPECT_TRUE(std::holds_alternative<StartCommand>(r.commands[2].body));
    const auto& stick = body<PadCommand>(r, 3);
    EXPECT_EQ(stick.pad, Pad::leftStick);
    EXPECT_EQ(stick.x, 1.0f);
}

TEST(Reader, InputGoesToTheControllerMostRecentlyConnectedUnlessNamed) {
    ReadResult r = readScenario(
        "controller a category Gamepad\n"
        "controller b category Gamepad\n"
        "present a\n"
        "start\n"
        "connect b\n"
        "press buttonA\n"
        "press buttonA on a\n"
        "disconnect b\n"
        "battery none\n"
        "release buttonA on b\n");
    ASSERT_FALSE(r.error) << r.error->message;
    EXPECT_EQ(body<ButtonCommand>(r, 5).controller, "b");
    EXPECT_EQ(body<ButtonCommand>(r, 6).controller, "a");
    EXPECT_EQ(body<BatteryCommand>(r, 8).controller, "a") << "b has left; a is still there";
    EXPECT_FALSE(body<BatteryCommand>(r, 8).reading);
    EXPECT_EQ(body<ButtonCommand>(r, 9).controller, "b") << "a departed controller by name";
}

TEST(Reader, ControllerOptionsDescribeTheController) {
    ReadResult r = readScenario(
        "controller ds4 category \"DualShock 4\" vendor \"Sony Interactive\" touchpad "
        "no-options-button no-stick-buttons battery 0.5 charging\n"
        "controller sense category DualSense touchpad\n"
        "controller bare category Gamepad no-profile\n");
    ASSERT_FALSE(r.error) << r.error->message;
    const auto& ds4 = body<ControllerCommand>(r, 0).spec;
    EXPECT_EQ(ds4.category, "DualShock 4");
    EXPECT_EQ(ds4.vendor, "Sony Interactive");
    EXPECT_EQ(ds4.physical, PhysicalProfile::dualShock);
    EXPECT_FALSE(ds4.hasOptionsButton);
    EXPECT_FALSE(ds4.hasStickButtons);
    EXPECT_EQ(ds4.battery, (BatteryReading{0.5f, BatteryState::charging}));
    EXPECT_EQ(body<ControllerCommand>(r, 1).spec.physical, PhysicalProfile::dualSense);
    const auto& bare = body<ControllerCommand>(r, 2).spec;
    EXPECT_FALSE(bare.hasProfile);
    EXPECT_EQ(bare.physical, PhysicalProfile::other);
    EXPECT_FALSE(bare.vendor);
}

TEST(Reader, FrontNamesTheApplicationAndWhatItsFocusReadYields) {
    ReadResult r = readScenario(
        "front org.example.Editor 42 AXTextField\n"
        "front self 1 AXTextArea\n"
        "front browser 7 AXWebArea children AXStaticText,AXTextField\n"
        "front app 3 none\n"
        "front app 3 error\n"
        "front none\n");
    ASSERT_FALSE(r.error) << r.error->message;
    const auto& editor = *body<FrontCommand>(r, 0).app;
    EXPECT_FALSE(editor.isSelf);
    EXPECT_EQ(editor.identifier, "org.example.Editor");
    EXPECT_EQ(editor.processId, 42);
    EXPECT_EQ(editor.focused->role, "AXTextField");
    EXPECT_TRUE(body<FrontCommand>(r, 1).app->isSelf);
    EXPECT_EQ(body<FrontCommand>(r, 2).app->focused->childRoles,
              (std::vector<std::string>{"AXStaticText", "AXTextField"}));
    ASSERT_TRUE(body<FrontCommand>(r, 3).app->focused);
    EXPECT_FALSE(body<FrontCommand>(r, 3).app->focused->role) << "none: an element without role";
    EXPECT_FALSE(body<FrontCommand>(r, 4).app->focused) << "error: the read fails";
    EXPECT_FALSE(body<FrontCommand>(r, 5).app);
}

TEST(Reader, SettingsTakeTheirOwnKindOfValue) {
    ReadResult r = readScenario(
        "start\n"
        "set sensitivity 25\n"
        "set keyboardFeatureEnabled false\n"
        "map cross delete\n"
        "unmap circle\n"
        "combo l1 r1 none\n");
    ASSERT_FALSE(r.error) << r.error->message;
    EXPECT_EQ(std::get<double>(body<SetCommand>(r, 1).value), 25.0);
    EXPECT_EQ(std::get<bool>(body<SetCommand>(r, 2).value), false);
    EXPECT_EQ(body<MapCommand>(r, 3).action, ButtonAction::deleteKey);
    EXPECT_FALSE(body<MapCommand>(r, 4).action);
    EXPECT_EQ(body<ComboCommand>(r, 5).combo, (ComboID{ButtonID::l1, ButtonID::r1}));
    EXPECT_EQ(body<ComboCommand>(r, 5).action, ButtonAction::none);
}

TEST(Reader, SkipsAByteOrderMarkAtTheStartOfTheFile) {
    ReadResult r = readScenario("\xEF\xBB\xBFstart\n");
    ASSERT_FALSE(r.error) << r.error->message;
    EXPECT_EQ(r.commands.size(), 1u);
}

TEST(Reader, LanguagesMayBeAnEmptyList) {
    ReadResult r = readScenario("languages\nlanguages he-IL,en-US\n");
    ASSERT_FALSE(r.error) << r.error->message;
    EXPECT_TRUE(body<LanguagesCommand>(r, 0).tags.empty());
    EXPECT_EQ(body<LanguagesCommand>(r, 1).tags, (std::vector<std::string>{"he-IL", "en-US"}));
}

}  // namespace
}  // namespace joyvane::simtool
