#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace joyvane::simtool {

// The words of one scenario line. Words are separated by spaces or tabs; a word written in
// double quotes may hold spaces and '#'; outside quotes '#' starts a comment. A trailing
// carriage return is ignored. On a malformed line `error` says what is wrong.
struct LineWords {
    std::vector<std::string> words;
    std::string error;
    bool ok() const { return error.empty(); }
};

LineWords splitWords(std::string_view line);

}  // namespace joyvane::simtool
