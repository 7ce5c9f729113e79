#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace joyvane::app {

// SIGTERM, SIGINT and SIGHUP (logout, a service manager stopping us, Ctrl+C, kill) end the
// program in order: the handler only writes to a pipe, and the Qt loop reads it and calls
// `quit`, so everything held is let go on the normal way out. A second signal once the way out
// has begun ends the process at once.
class QuitSignals : public QObject {
    Q_OBJECT
  public:
    // Installs the handlers; needs the Qt application. One instance at a time.
    explicit QuitSignals(std::function<void()> quit);
    ~QuitSignals() override;

    // From now on a signal ends the process at once (the way out has begun).
    static void shutdownBegun();
    // The signal that asked the program to quit; 0 when none did.
    static int received();
    // Ends the process by the signal that asked it to quit, with the default action, so that
    // whoever started it sees the usual status (killed by SIGTERM, say). Returns when none did.
    static void endAsSignalled();

  private:
    QSocketNotifier* notifier_ = nullptr;
    std::function<void()> quit_;
};

}  // namespace joyvane::app
