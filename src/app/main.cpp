#include <iostream>

#include "app/command_line.h"
#include "app/joyvane_app.h"
#include "app/quit_signals.h"

int main(int argc, char** argv) {
    if (auto status = joyvane::app::answerCommandLine(argc, argv, std::cout, std::cerr)) {
        return *status;
    }
    int status = joyvane::app::runJoyvane(argc, argv);
    // Ended by SIGTERM, SIGINT or SIGHUP: everything is let go by now; end as that signal.
    joyvane::app::QuitSignals::endAsSignalled();
    return status;
}
