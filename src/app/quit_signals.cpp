#include "app/quit_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <array>
#include <csignal>

namespace joyvane::app {
namespace {

constexpr std::array<int, 3> kQuitSignals = {SIGTERM, SIGINT, SIGHUP};

// Written by the handler, which may run on any thread: only async-signal-safe work there.
volatile std::sig_atomic_t receivedSignal = 0;
volatile std::sig_atomic_t leaving = 0;
int wakeRead = -1;
int wakeWrite = -1;

void dieBy(int signal) {
    std::signal(signal, SIG_DFL);
    ::raise(signal);
}

void onQuitSignal(int signal) {
    if (leaving != 0) {
        dieBy(signal);
        return;
    }
    leaving = 1;
    receivedSignal = signal;
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] ssize_t written = ::write(wakeWrite, &byte, 1);
    errno = saved;
}

}  // namespace

QuitSignals::QuitSignals(std::function<void()> quit) : quit_(std::move(quit)) {
    if (wakeRead < 0) {
        std::array<int, 2> fds{};
        if (::pipe2(fds.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
            return;  // left with the default action: the process simply ends
        }
        wakeRead = fds[0];
        wakeWrite = fds[1];
    }
    notifier_ = new QSocketNotifier(wakeRead, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (::read(wakeRead, bytes, sizeof bytes) > 0) {
        }
        if (quit_) {
            quit_();
        }
    });
    struct sigaction action {};
    action.sa_handler = onQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kQuitSignals) {
        ::sigaction(signal, &action, nullptr);
    }
}

QuitSignals::~QuitSignals() {
    // The handlers stay: a signal from here on ends the process at once.
    shutdownBegun();
}

void QuitSignals::shutdownBegun() {
    leaving = 1;
}

int QuitSignals::received() {
    return receivedSignal;
}

void QuitSignals::endAsSignalled() {
    if (receivedSignal != 0) {
        dieBy(receivedSignal);
    }
}

}  // namespace joyvane::app
