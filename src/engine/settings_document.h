#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "mapping/maps.h"

namespace joyvane {

class ControllerManager;

// The settings that are kept across runs: every setting of the engine except the master switch
// and launch at login, with the values a new user starts from.
struct SettingsRecord {
    double sensitivity = 10.0;
    double scrollSensitivity = 4.0;
    double deadzone = 0.12;
    double acceleration = 1.6;
    bool naturalScrolling = false;
    bool touchpadEnabled = true;
    double touchpadSensitivity = 350.0;
    bool autoEnableOnConnect = true;
    bool keyboardFeatureEnabled = true;
    ButtonMap buttonMap = defaultButtonMap();
    ComboMap comboMap = defaultComboMap();
    friend bool operator==(const SettingsRecord&, const SettingsRecord&) = default;
};

SettingsRecord recordOf(const ControllerManager& manager);
// Assigns every setting that differs from the record.
void apply(const SettingsRecord& record, ControllerManager& manager);

// One JSON object keyed by the engine's setting names, plus "version". `buttonMap` is an object
// from encoded button to encoded action; `comboMap` is an array alternating encoded combo and
// encoded action.
std::string encodeSettings(const SettingsRecord& record);

// Reads a settings document: each valid entry is taken, anything else keeps its default and is
// named in `faults`. Keys this version does not know are ignored.
struct DecodedSettings {
    SettingsRecord record;
    std::vector<std::string> faults;
};
DecodedSettings decodeSettings(std::string_view document);

}  // namespace joyvane
