#include "mapping/json_text.h"

#include "keyboard/utf8.h"

#include <charconv>
#include <cstdint>

namespace joyvane {

namespace {

// A cursor over the document; every read checks the end first.
class Reader {
  public:
    explicit Reader(std::string_view text) : text_(text) {}

    bool atEnd() const { return pos_ >= text_.size(); }

    void skipWhitespace() {
        while (!atEnd()) {
            char c = text_[pos_];
            if (c != ' ' && c != '\t' && c != '\n' && c != '\r') {
                return;
            }
            ++pos_;
        }
    }

    bool consume(char expected) {
        if (atEnd() || text_[pos_] != expected) {
            return false;
        }
        ++pos_;
        return true;
    }

    std::optional<std::string> readString() {
        if (!consume('"')) {
            return std::nullopt;
        }
        std::string out;
        while (!atEnd()) {
            unsigned char c = static_cast<unsigned char>(text_[pos_++]);
            if (c == '"') {
                return out;
            }
            if (c < 0x20) {
                return std::nullopt;  // control characters must be escaped
            }
            if (c != '\\') {
                out += static_cast<char>(c);
                continue;
            }
            if (!readEscape(out)) {
                return std::nullopt;
            }
        }
        return std::nullopt;  // unterminated
    }

    // Any value at the cursor, after whitespace; `depth` counts the enclosing containers.
    std::optional<JsonValue> readValue(int depth) {
        static constexpr int kMaxDepth = 32;
        skipWhitespace();
        std::size_t start = pos_;
        JsonValue value;
        bool ok = false;
        if (atEnd() || depth > kMaxDepth) {
            return std::nullopt;
        } else if (text_[pos_] == '"') {
            value.kind = JsonValue::Kind::string;
            std::optional<std::string> s = readString();
            ok = s.has_value();
            value.string = s.value_or(std::string());
        } else if (text_[pos_] == '[') {
            value.kind = JsonValue::Kind::array;
            ok = readArray(value.items, depth);
        } else if (text_[pos_] == '{') {
            value.kind = JsonValue::Kind::object;
            ok = readObject(value.members, depth);
        } else if (readWord("true") || readWord("false")) {
            value.kind = JsonValue::Kind::boolean;
            value.boolean = text_[start] == 't';
            ok = true;
        } else if (readWord("null")) {
            ok = true;
        } else {
            value.kind = JsonValue::Kind::number;
            ok = readNumber(value.number);
        }
        if (!ok) {
            return std::nullopt;
        }
        value.text = text_.substr(start, pos_ - start);
        return value;
    }

  private:
    bool readWord(std::string_view word) {
        if (text_.substr(pos_, word.size()) != word) {
            return false;
        }
        pos_ += word.size();
        return true;
    }

    bool readDigits() {
        std::size_t from = pos_;
        while (!atEnd() && text_[pos_] >= '0' && text_[pos_] <= '9') {
            ++pos_;
        }
        return pos_ > from;
    }

    // The JSON number grammar: no leading '+', no leading zeros, no bare '.'.
    bool readNumber(double& out) {
        std::size_t start = pos_;
        consume('-');
        if (consume('0')) {
            if (!atEnd() && text_[pos_] >= '0' && text_[pos_] <= '9') {
                return false;
            }
        } else if (!readDigits()) {
            return false;
        }
        if (consume('.') && !readDigits()) {
            return false;
        }
        if (consume('e') || consume('E')) {
            if (!consume('+')) {
                consume('-');
            }
            if (!readDigits()) {
                return false;
            }
        }
        const char* first = text_.data() + start;
        const char* last = text_.data() + pos_;
        auto [end, error] = std::from_chars(first, last, out);
        return error == std::errc() && end == last;
    }

    bool readArray(std::vector<JsonValue>& items, int depth) {
        consume('[');
        skipWhitespace();
        if (consume(']')) {
            return true;
        }
        while (true) {
            std::optional<JsonValue> item = readValue(depth + 1);
            if (!item) {
                return false;
            }
            items.push_back(std::move(*item));
            skipWhitespace();
            if (consume(']')) {
                return true;
            }
            if (!consume(',')) {
                return false;
            }
        }
    }

    bool readObject(std::vector<JsonMember>& members, int depth) {
        consume('{');
        skipWhitespace();
        if (consume('}')) {
            return true;
        }
        while (true) {
            skipWhitespace();
            std::optional<std::string> key = readString();
            skipWhitespace();
            if (!key || !consume(':')) {
                return false;
            }
            std::optional<JsonValue> value = readValue(depth + 1);
            if (!value) {
                return false;
            }
            members.push_back({std::move(*key), std::move(*value)});
            skipWhitespace();
            if (consume('}')) {
                return true;
            }
            if (!consume(',')) {
                return false;
            }
        }
    }

    bool readEscape(std::string& out) {
        if (atEnd()) {
            return false;
        }
        char c = text_[pos_++];
        switch (c) {
            case '"':
            case '\\':
            case '/':
                out += c;
                return true;
            case 'b':
                out += '\b';
                return true;
            case 'f':
                out += '\f';
                return true;
            case 'n':
                out += '\n';
                return true;
            case 'r':
                out += '\r';
                return true;
            case 't':
                out += '\t';
                return true;
            case 'u':
                return readUnicodeEscape(out);
            default:
                return false;
        }
    }

    std::optional<std::uint32_t> readHex4() {
        if (text_.size() - pos_ < 4) {
            return std::nullopt;
        }
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            char c = text_[pos_++];
            value <<= 4;
            if (c >= '0' && c <= '9') {
                value |= static_cast<std::uint32_t>(c - '0');
            } else if (c >= 'a' && c <= 'f') {
                value |= static_cast<std::uint32_t>(c - 'a' + 10);
            } else if (c >= 'A' && c <= 'F') {
                value |= static_cast<std::uint32_t>(c - 'A' + 10);
            } else {
                return std::nullopt;
            }
        }
        return value;
    }

    // After "\u": one code unit, or a surrogate pair written as two escapes. A lone surrogate
    // has no UTF-8 form and is rejected.
    bool readUnicodeEscape(std::string& out) {
        std::optional<std::uint32_t> unit = readHex4();
        if (!unit) {
            return false;
        }
        if (*unit >= 0xDC00 && *unit <= 0xDFFF) {
            return false;
        }
        if (*unit >= 0xD800 && *unit <= 0xDBFF) {
            if (!consume('\\') || !consume('u')) {
                return false;
            }
            std::optional<std::uint32_t> low = readHex4();
            if (!low || *low < 0xDC00 || *low > 0xDFFF) {
                return false;
            }
            appendUtf8(out, 0x10000 + ((*unit - 0xD800) << 10) + (*low - 0xDC00));
            return true;
        }
        appendUtf8(out, *unit);
        return true;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace

std::string jsonQuote(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    for (char ch : text) {
        unsigned char c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += ch;
        } else if (c < 0x20) {
            out += "\\u00";
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        } else {
            out += ch;
        }
    }
    out += '"';
    return out;
}

std::optional<std::string> parseJsonString(std::string_view document) {
    Reader reader(document);
    reader.skipWhitespace();
    std::optional<std::string> value = reader.readString();
    reader.skipWhitespace();
    if (!value || !reader.atEnd()) {
        return std::nullopt;
    }
    return value;
}

std::optional<JsonStringMembers> parseJsonStringObject(std::string_view document) {
    Reader reader(document);
    reader.skipWhitespace();
    if (!reader.consume('{')) {
        return std::nullopt;
    }
    JsonStringMembers members;
    reader.skipWhitespace();
    if (!reader.consume('}')) {
        while (true) {
            reader.skipWhitespace();
            std::optional<std::string> key = reader.readString();
            reader.skipWhitespace();
            if (!key || !reader.consume(':')) {
                return std::nullopt;
            }
            reader.skipWhitespace();
            std::optional<std::string> value = reader.readString();
            if (!value) {
                return std::nullopt;
            }
            members.emplace_back(std::move(*key), std::move(*value));
            reader.skipWhitespace();
            if (reader.consume('}')) {
                break;
            }
            if (!reader.consume(',')) {
                return std::nullopt;
            }
        }
    }
    reader.skipWhitespace();
    if (!reader.atEnd()) {
        return std::nullopt;
    }
    return members;
}

std::optional<JsonValue> parseJson(std::string_view document) {
    Reader reader(document);
    std::optional<JsonValue> value = reader.readValue(0);
    reader.skipWhitespace();
    if (!value || !reader.atEnd()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace joyvane
