#include <string>
#include <vector>

#include "engine/settings_document.h"
#include "engine/settings_keeper.h"
#include "engine_fixture.h"

namespace joyvane::test {
namespace {

// Every field away from its default, maps included.
SettingsRecord changedRecord() {
    SettingsRecord r;
    r.sensitivity = 17.25;
    r.scrollSensitivity = 2;
    r.deadzone = 0.3;
    r.acceleration = 2.5;
    r.naturalScrolling = true;
    r.touchpadEnabled = false;
    r.touchpadSensitivity = 123.5;
    r.autoEnableOnConnect = false;
    r.keyboardFeatureEnabled = false;
    r.buttonMap[ButtonID::cross] = ButtonAction::escape;
    r.comboMap.clear();
    r.comboMap[{ButtonID::l1, ButtonID::cross}] = ButtonAction::rightClick;
    r.comboMap[{ButtonID::options, ButtonID::cross}] = ButtonAction::none;
    return r;
}

TEST(SettingsDocument, EverySettingAndBothMapsSurviveTheRoundTrip) {
    SettingsRecord record = changedRecord();
    DecodedSettings decoded = decodeSettings(encodeSettings(record));
    EXPECT_TRUE(decoded.faults.empty());
    EXPECT_EQ(decoded.record, record);

    // A button missing from the file keeps its default action.
    record.buttonMap.erase(ButtonID::share);
    decoded = decodeSettings(encodeSettings(record));
    EXPECT_EQ(decoded.record.buttonMap.at(ButtonID::share), defaultButtonMap().at(ButtonID::share));
}

// Each bad document keeps the valid entries, defaults the rest and says what was wrong.
TEST(SettingsDocument, BadEntriesFallBackToTheirDefaultsAndAreNamed) {
    const SettingsRecord defaults;
    struct Case {
        const char* document;
        const char* fault;   // part of the message
        double sensitivity;  // a valid entry of the same file, or the default
        ButtonAction cross;
    };
    const Case cases[] = {
        {R"({"sensitivity": 20, "deadzone": 0.)", "not a JSON object", 10, ButtonAction::leftClick},
        {R"([1, 2])", "not a JSON object", 10, ButtonAction::leftClick},
        {R"({"sensitivity": 20, "naturalScrolling": "yes"})", "naturalScrolling", 20,
         ButtonAction::leftClick},
        {R"({"sensitivity": 20, "deadzone": 0.9})", "deadzone", 20, ButtonAction::leftClick},
        {R"({"sensitivity": 2.9, "buttonMap": {"✕ Cross": "ללא"}})", "sensitivity", 10,
         ButtonAction::none},
        {R"({"sensitivity": 20, "buttonMap": {"✕ Cross": "Jump", "○ Circle": "ללא"}})", "buttonMap",
         20, ButtonAction::leftClick},
        {R"({"sensitivity": 20, "buttonMap": {"Turbo": "ללא"}})", "buttonMap", 20,
         ButtonAction::leftClick},
        {R"({"sensitivity": 20, "comboMap": [{"a": "L1", "b": "Turbo"}, "ללא"]})", "comboMap", 20,
         ButtonAction::leftClick},
        {R"({"sensitivity": 20, "buttonMap": []})", "buttonMap", 20, ButtonAction::leftClick},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.document);
        DecodedSettings decoded = decodeSettings(c.document);
        ASSERT_EQ(decoded.faults.size(), 1u);
        EXPECT_NE(decoded.faults[0].find(c.fault), std::string::npos) << decoded.faults[0];
        EXPECT_EQ(decoded.record.sensitivity, c.sensitivity);
        EXPECT_EQ(decoded.record.buttonMap.at(ButtonID::cross), c.cross);
        EXPECT_EQ(decoded.record.deadzone, defaults.deadzone);
        EXPECT_EQ(decoded.record.naturalScrolling, defaults.naturalScrolling);
    }
}

TEST(SettingsDocument, AComboWithAnUnknownActionKeepsItsDefaultAndTheOthersStay) {
    DecodedSettings decoded =
        decodeSettings(R"j({"comboMap": [{"a":"L2 (trigger)","b":"R2 (trigger)"}, "Fly",)j"
                       R"j( {"a":"L1","b":"R1"}, "ללא", {"a":"L1","b":"✕ Cross"}]})j");
    EXPECT_EQ(decoded.faults.size(), 1u);
    ComboMap expected = defaultComboMap();
    expected[{ButtonID::l1, ButtonID::r1}] = ButtonAction::none;
    EXPECT_EQ(decoded.record.comboMap, expected);
}

class SettingsKeeperTest : public EngineTest {
  protected:
    std::vector<std::string> written;
    std::optional<SettingsKeeper> keeper;

    void SetUp() override {
        start();
        keeper.emplace(*engine, sim.scheduler,
                       [this](std::string document) { written.push_back(std::move(document)); });
    }
};

TEST_F(SettingsKeeperTest, ABurstOfChangesGivesOneWriteOfTheLastValues) {
    for (int step = 0; step < 20; ++step) {
        engine->sensitivity = 5.0 + step;
        sim.scheduler.advanceBy(0.1);
    }
    EXPECT_TRUE(written.empty());
    sim.scheduler.advanceBy(SettingsKeeper::kDefaultDelay);
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(decodeSettings(written[0]).record.sensitivity, 24);
    sim.scheduler.advanceBy(10);
    EXPECT_EQ(written.size(), 1u);
}

TEST_F(SettingsKeeperTest, ResetsAreWrittenAndFlushWritesWhatIsPending) {
    apply(changedRecord(), *engine);
    keeper->flush();
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(decodeSettings(written[0]).record, changedRecord());

    engine->resetSettings();
    engine->buttonMap = defaultButtonMap();
    engine->comboMap = defaultComboMap();
    keeper->flush();
    ASSERT_EQ(written.size(), 2u);
    SettingsRecord expected;
    expected.autoEnableOnConnect = false;  // not among the reset settings
    expected.keyboardFeatureEnabled = false;
    EXPECT_EQ(decodeSettings(written[1]).record, expected);

    keeper->flush();  // nothing pending
    EXPECT_EQ(written.size(), 2u);
}

}  // namespace
}  // namespace joyvane::test
