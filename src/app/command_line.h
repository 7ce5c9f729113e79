#pragma once

#include <optional>
#include <ostream>

namespace joyvane::app {

// The options that answer without a display: --help, --version, --diagnose and --udev-rules.
// Returns the exit status when an option was answered, or nothing when the program should
// start (no option, or only options for Qt such as -platform). An unknown "--" option is an
// error (status 2) rather than a silent start.
std::optional<int> answerCommandLine(int argc, char** argv, std::ostream& out, std::ostream& err);

// "joyvane 0.1.0", from the project's version.
const char* versionText();

}  // namespace joyvane::app
