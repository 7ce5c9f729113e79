#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "mapping/button_action.h"
#include "mapping/button_id.h"
#include "platform/controller_service.h"
#include "platform/sim/sim_controller.h"
#include "simtool/fields.h"

namespace joyvane::simtool {

// Thrown while reading one line; the reader adds the line number.
struct LineError {
    std::string message;
};

[[noreturn]] void fail(std::string message);

// The word in double quotes, as error messages show it.
std::string quoted(std::string_view word);

// Each reads one word as a typed value, or fails with what is wrong with it.
double number(const std::string& word);
// A stick, d-pad or touchpad value: -1 to 1.
float padValue(const std::string& word);
bool boolean(const std::string& word);
// "a,b,c": one or more non-empty items; `what` names an item in the error.
std::vector<std::string> commaList(const std::string& word, std::string_view what);
BatteryReading batteryReading(const std::string& levelWord, const std::string& stateWord);
ButtonID button(const std::string& word);
ButtonAction action(const std::string& word);
sim::SimElement element(const std::string& word);
Field field(const std::string& word);

}  // namespace joyvane::simtool
