#pragma once

#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "simtool/commands.h"

namespace joyvane::simtool {

struct ReadError {
    int line;
    std::string message;
    friend bool operator==(const ReadError&, const ReadError&) = default;
};

// A whole scenario, read and checked before anything runs: either every command, or the first
// line that cannot be read and what is wrong with it.
struct ReadResult {
    std::vector<Command> commands;
    std::optional<ReadError> error;
};

ReadResult readScenario(std::istream& in);
ReadResult readScenario(std::string_view text);

// Virtual time never goes beyond this, so a scenario always ends.
inline constexpr double kLatestTime = 86400.0;

}  // namespace joyvane::simtool
