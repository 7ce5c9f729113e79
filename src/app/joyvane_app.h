#pragma once

namespace joyvane::app {

// The desktop program: builds the engine on the Linux services, the tray item, the main panel
// and the window managers, runs the start-up sequence and the Qt loop. Returns the exit status.
int runJoyvane(int argc, char** argv);

}  // namespace joyvane::app
