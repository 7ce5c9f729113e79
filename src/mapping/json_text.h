#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace joyvane {

// The small part of JSON text that the encoded mapping values need: one string, or one object
// whose values are all strings. Input is untrusted: anything malformed yields nothing.

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

}  // namespace joyvane
