#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "mapping/button_action.h"
#include "mapping/button_id.h"
#include "mapping/combo_id.h"

namespace joyvane {

// The encoded form of the mapping values, as JSON text. A button or an action is a JSON string
// holding its raw value (an action's Hebrew label); a combo is the object {"a": ..., "b": ...}
// of two encoded buttons. Decoding accepts exactly these shapes and nothing else: any other
// string, a missing, extra or repeated key, another JSON value or malformed text gives nothing.

std::string encode(ButtonID id);
std::string encode(ButtonAction action);
std::string encode(const ComboID& combo);

std::optional<ButtonID> decodeButtonID(std::string_view json);
std::optional<ButtonAction> decodeButtonAction(std::string_view json);
std::optional<ComboID> decodeComboID(std::string_view json);

}  // namespace joyvane
