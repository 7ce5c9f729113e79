#include "app/joyvane_app.h"
#include "app/quit_signals.h"

int main(int argc, char** argv) {
    int status = joyvane::app::runJoyvane(argc, argv);
    // Ended by SIGTERM, SIGINT or SIGHUP: everything is let go by now; end as that signal.
    joyvane::app::QuitSignals::endAsSignalled();
    return status;
}
