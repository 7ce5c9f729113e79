#pragma once

#include <string>

#include "simtool/fields.h"

namespace joyvane {
class ControllerManager;
class PSKeyboardController;
}  // namespace joyvane

namespace joyvane::simtool {

// The value of one field as `print` shows it: booleans true/false, numbers as the shortest
// text that reads back to the same value, absent values nil, texts in double quotes,
// enumerations by case name, maps as {key:value,...}, lists as [item,...].
std::string formatField(Field field, const ControllerManager& engine,
                        const PSKeyboardController& keyboard);

}  // namespace joyvane::simtool
