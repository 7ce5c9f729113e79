#include "app/command_line.h"

#include <string_view>

#include "app/diagnose.h"
#include "platform/linux/desktop/device_access.h"

namespace joyvane::app {
namespace {

constexpr const char* kHelp =
    "Usage: joyvane [OPTION]\n"
    "Drive the desktop with a game controller. Without an option Joyvane starts in the system\n"
    "tray, or brings the one already running forward.\n"
    "\n"
    "  -h, --help        show this help and exit\n"
    "      --version     print the version and exit\n"
    "      --diagnose    print what Joyvane sees on this machine (session, input, accessibility,\n"
    "                    tray host, controllers) and exit, without starting the interface\n"
    "      --udev-rules  print the udev rules that give the person at the seat access to\n"
    "                    PlayStation controllers and /dev/uinput, and exit\n";

}  // namespace

const char* versionText() {
    return "joyvane " JOYVANE_VERSION;
}

std::optional<int> answerCommandLine(int argc, char** argv, std::ostream& out, std::ostream& err) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view word = argv[i];
        if (word == "-h" || word == "--help") {
            out << kHelp;
            return 0;
        }
        if (word == "--version") {
            out << versionText() << "\n";
            return 0;
        }
        if (word == "--diagnose") {
            out << versionText() << "\n";
            printDiagnosis(out);
            return 0;
        }
        if (word == "--udev-rules") {
            out << linux_desktop::udevRulesText();
            return 0;
        }
        if (word.starts_with("--")) {
            err << "joyvane: unknown option " << word << "; see joyvane --help\n";
            return 2;
        }
    }
    return std::nullopt;
}

}  // namespace joyvane::app
