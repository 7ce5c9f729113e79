#include "mapping/encoding.h"

#include "mapping/json_text.h"

namespace joyvane {

std::string encode(ButtonID id) {
    return jsonQuote(rawValue(id));
}

std::string encode(ButtonAction action) {
    return jsonQuote(rawValue(action));
}

std::string encode(const ComboID& combo) {
    return "{\"a\":" + encode(combo.a) + ",\"b\":" + encode(combo.b) + "}";
}

std::optional<ButtonID> decodeButtonID(std::string_view json) {
    std::optional<std::string> raw = parseJsonString(json);
    return raw ? buttonIDFromRawValue(*raw) : std::nullopt;
}

std::optional<ButtonAction> decodeButtonAction(std::string_view json) {
    std::optional<std::string> raw = parseJsonString(json);
    return raw ? buttonActionFromRawValue(*raw) : std::nullopt;
}

std::optional<ComboID> decodeComboID(std::string_view json) {
    std::optional<JsonStringMembers> members = parseJsonStringObject(json);
    if (!members || members->size() != 2) {
        return std::nullopt;
    }
    std::optional<ButtonID> a;
    std::optional<ButtonID> b;
    for (const auto& [key, value] : *members) {
        std::optional<ButtonID>* slot = key == "a" ? &a : key == "b" ? &b : nullptr;
        if (slot == nullptr || slot->has_value()) {
            return std::nullopt;  // an unknown or repeated key
        }
        *slot = buttonIDFromRawValue(value);
        if (!slot->has_value()) {
            return std::nullopt;
        }
    }
    if (!a || !b) {
        return std::nullopt;
    }
    return ComboID{*a, *b};
}

}  // namespace joyvane
