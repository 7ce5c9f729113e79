#include "simtool/word_values.h"

#include <map>
#include <sstream>

#include "simtool/numbers.h"

namespace joyvane::simtool {

void fail(std::string message) {
    throw LineError{std::move(message)};
}

std::string quoted(std::string_view word) {
    return "\"" + std::string(word) + "\"";
}

double number(const std::string& word) {
    auto value = parseDouble(word);
    if (!value) {
        fail(quoted(word) + " is not a number");
    }
    return *value;
}

float padValue(const std::string& word) {
    auto value = parseFloat(word);
    if (!value) {
        fail(quoted(word) + " is not a number");
    }
    if (*value < -1.0f || *value > 1.0f) {
        fail(quoted(word) + " is outside -1 to 1");
    }
    return *value;
}

bool boolean(const std::string& word) {
    auto value = parseBool(word);
    if (!value) {
        fail("expected true or false, not " + quoted(word));
    }
    return *value;
}

std::vector<std::string> commaList(const std::string& word, std::string_view what) {
    std::vector<std::string> items;
    std::stringstream stream(word);
    std::string item;
    while (std::getline(stream, item, ',')) {
        if (item.empty()) {
            fail("empty " + std::string(what) + " in " + quoted(word));
        }
        items.push_back(item);
    }
    if (word.empty() || word.back() == ',') {
        fail("empty " + std::string(what) + " in " + quoted(word));
    }
    return items;
}

BatteryReading batteryReading(const std::string& levelWord, const std::string& stateWord) {
    auto level = parseFloat(levelWord);
    if (!level) {
        fail(quoted(levelWord) + " is not a number");
    }
    if (*level < 0.0f || *level > 1.0f) {
        fail("battery level " + quoted(levelWord) + " is outside 0 to 1");
    }
    static const std::map<std::string, BatteryState, std::less<>> states = {
        {"unknown", BatteryState::unknown},
        {"discharging", BatteryState::discharging},
        {"charging", BatteryState::charging},
        {"full", BatteryState::full}};
    auto state = states.find(stateWord);
    if (state == states.end()) {
        fail("unknown battery state " + quoted(stateWord) +
             " (unknown, discharging, charging or full)");
    }
    return {*level, state->second};
}

ButtonID button(const std::string& word) {
    auto id = buttonIDFromCaseName(word);
    if (!id) {
        fail("unknown button " + quoted(word));
    }
    return *id;
}

ButtonAction action(const std::string& word) {
    auto value = buttonActionFromCaseName(word);
    if (!value) {
        fail("unknown action " + quoted(word));
    }
    return *value;
}

sim::SimElement element(const std::string& word) {
    static const std::map<std::string, sim::SimElement, std::less<>> elements = {
        {"buttonA", sim::SimElement::buttonA},
        {"buttonB", sim::SimElement::buttonB},
        {"buttonX", sim::SimElement::buttonX},
        {"buttonY", sim::SimElement::buttonY},
        {"leftShoulder", sim::SimElement::leftShoulder},
        {"rightShoulder", sim::SimElement::rightShoulder},
        {"leftTrigger", sim::SimElement::leftTrigger},
        {"rightTrigger", sim::SimElement::rightTrigger},
        {"buttonMenu", sim::SimElement::buttonMenu},
        {"buttonOptions", sim::SimElement::buttonOptions},
        {"leftThumbstickButton", sim::SimElement::leftThumbstickButton},
        {"rightThumbstickButton", sim::SimElement::rightThumbstickButton},
        {"touchpadButton", sim::SimElement::touchpadButton}};
    auto it = elements.find(word);
    if (it == elements.end()) {
        fail("unknown element " + quoted(word));
    }
    return it->second;
}

Field field(const std::string& word) {
    auto value = fieldFromName(word);
    if (!value) {
        fail("unknown field " + quoted(word));
    }
    return *value;
}

}  // namespace joyvane::simtool
