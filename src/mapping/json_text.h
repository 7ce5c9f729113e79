#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace joyvane {

// The small part of JSON text that the encoded mapping values and the settings file need.
// Input is untrusted: anything malformed yields nothing.

// `text` as a JSON string literal, quotes included; control characters, quote and backslash
// are escaped, other UTF-8 passes through.
std::string jsonQuote(std::string_view text);

// The UTF-8 contents of a document that is exactly one JSON string (surrounding whitespace
// allowed).
std::optional<std::string> parseJsonString(std::string_view document);

// The members of a document that is exactly one JSON object whose values are all strings, in
// the order written. Duplicate keys are kept, for the caller to reject.
using JsonStringMembers = std::vector<std::pair<std::string, std::string>>;
std::optional<JsonStringMembers> parseJsonStringObject(std::string_view document);

struct JsonMember;

// One parsed JSON value. `text` is the value's own source text, a view into the parsed
// document, so that nested encoded values can be handed to their own decoders.
struct JsonValue {
    enum class Kind { null, boolean, number, string, array, object };
    Kind kind = Kind::null;
    bool boolean = false;
    double number = 0;
    std::string string;
    std::vector<JsonValue> items;
    std::vector<JsonMember> members;  // in the order written
    std::string_view text;
};

// One member of an object. Its own type rather than a pair, which could not hold the value's
// type while that is still being defined.
struct JsonMember {
    std::string key;
    JsonValue value;
};

// A document that is exactly one JSON value, nested at most 32 deep.
std::optional<JsonValue> parseJson(std::string_view document);

}  // namespace joyvane
