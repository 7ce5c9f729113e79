#include "simtool/tokenizer.h"

namespace joyvane::simtool {

namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

LineWords splitWords(std::string_view line) {
    LineWords result;
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    std::size_t i = 0;
    while (i < line.size()) {
        char c = line[i];
        if (isSpace(c)) {
            ++i;
        } else if (c == '#') {
            break;
        } else if (c == '"') {
            std::size_t close = line.find('"', i + 1);
            if (close == std::string_view::npos) {
                result.error = "missing closing quote";
                return result;
            }
            if (close + 1 < line.size() && !isSpace(line[close + 1])) {
                result.error = "a closing quote must end its word";
                return result;
            }
            result.words.emplace_back(line.substr(i + 1, close - i - 1));
            i = close + 1;
        } else {
            std::size_t end = i;
            while (end < line.size() && !isSpace(line[end]) && line[end] != '#') {
                if (line[end] == '"') {
                    result.error = "a quote inside a word";
                    return result;
                }
                ++end;
            }
            result.words.emplace_back(line.substr(i, end - i));
            i = end;
        }
    }
    return result;
}

}  // namespace joyvane::simtool
