#include "platform/linux/atspi/atspi_accessibility.h"

#include <glib.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "platform/linux/atspi/accessibility_status.h"
#include "platform/linux/atspi/focus_cache.h"
#include "platform/linux/atspi/focus_listener.h"
#include "platform/linux/atspi/glib_thread.h"
#include "platform/linux/atspi/settings_command.h"
#include "platform/linux/atspi/x11_active_window.h"
#include "platform/linux/desktop/detached_process.h"

namespace joyvane::atspi {

namespace {

// How often a listener that could not reach the accessibility bus tries again.
constexpr guint kRetryIntervalMs = 2000;
// How long creation waits for the bus's first answer about the accessibility state.
constexpr auto kFirstAnswerWait = std::chrono::milliseconds(300);
// How long the way out waits for the event thread to finish what it is doing.
constexpr auto kStopWait = std::chrono::milliseconds(500);

}  // namespace

struct AtspiAccessibility::Backend {
    explicit Backend(Options options)
        : options(std::move(options)),
          cache(this->options.ownProcessId, this->options.ownIdentifier),
          listener(cache) {}

    void start() {
        thread.setStopJob([this] { stop(); });
        thread.invoke([this] {
            status.start(thread.context());
            // The listener starts first, so that the first active window can be looked up.
            listen();
            bool x11 = options.followActiveX11Window &&
                       window.start(
                           thread.context(),
                           [this](auto active) { activeWindowChanged(std::move(active)); },
                           [this] { cache.setWindowSystemAvailable(false); });
            cache.setWindowSystemAvailable(x11);
        });
    }

    void activeWindowChanged(std::optional<ActiveWindow> active) {
        int pid = active && active->processId ? *active->processId : 0;
        cache.setActiveWindow(std::move(active));
        if (pid != 0) {
            listener.discover(pid);
        }
    }

    // Starts the focus listener, or tries again later while the accessibility bus is away.
    void listen() {
        if (listener.start(thread.context(), options.callTimeoutMs)) {
            listening = true;
            return;
        }
        retry = g_timeout_source_new(kRetryIntervalMs);
        g_source_set_callback(
            retry,
            [](gpointer self) -> gboolean {
                auto* backend = static_cast<Backend*>(self);
                if (!backend->listener.start(backend->thread.context(),
                                             backend->options.callTimeoutMs)) {
                    return G_SOURCE_CONTINUE;
                }
                backend->listening = true;
                if (auto front = backend->cache.frontmostApplication()) {
                    backend->listener.discover(front->processId);
                }
                g_source_unref(backend->retry);
                backend->retry = nullptr;
                return G_SOURCE_REMOVE;
            },
            this, nullptr);
        g_source_attach(retry, thread.context());
    }

    void openSettings() const {
        auto command = options.settingsCommand;
        if (command.empty()) {
            const char* desktop = std::getenv("XDG_CURRENT_DESKTOP");
            command = accessibilitySettingsCommand(desktop ? desktop : "", isInPath)
                          .value_or(std::vector<std::string>{});
        }
        if (!command.empty()) {
            linux_desktop::spawnDetached(command);
        }
    }

    void stop() {
        if (retry) {
            g_source_destroy(retry);
            g_source_unref(retry);
            retry = nullptr;
        }
        listening = false;
        listener.stop();
        window.stop();
        status.stop();
    }

    Options options;
    FocusCache cache;
    FocusListener listener;
    AccessibilityStatus status;
    X11ActiveWindow window;
    std::atomic<bool> listening{false};
    GSource* retry = nullptr;
    GlibThread thread;  // last: stopped and joined before the parts it uses go
};

AtspiAccessibility::AtspiAccessibility() : AtspiAccessibility(Options{}) {}

AtspiAccessibility::AtspiAccessibility(Options options) {
    if (options.ownProcessId == 0) {
        options.ownProcessId = static_cast<int>(::getpid());
    }
    backend_ = std::make_unique<Backend>(std::move(options));
    backend_->start();
    // The first trust answer decides whether the panel opens with the accessibility banner, so
    // give the bus a moment to answer rather than reading "not trusted" until the next poll.
    auto deadline = std::chrono::steady_clock::now() + kFirstAnswerWait;
    while (!backend_->status.hasAnswered() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

AtspiAccessibility::~AtspiAccessibility() {
    backend_->listener.cancel();
    if (!backend_->thread.stopWithin(kStopWait)) {
        // The thread is stuck in a call to an application or a bus that does not answer.
        // Quitting must not wait for it: leave it, and everything it uses, to the end of the
        // process.
        static_cast<void>(backend_.release());
    }
}

bool AtspiAccessibility::isProcessTrusted() const {
    return backend_->options.canPostEvents() && backend_->listening &&
           backend_->status.busReachable() && backend_->status.isEnabled();
}

void AtspiAccessibility::requestTrustWithPrompt() {
    Backend& backend = *backend_;
    bool canPost = backend.options.canPostEvents();
    // Decided on the event thread once the bus has told the status: the settings open only
    // when something was missing, not at every start.
    backend.thread.invoke([&backend, canPost] {
        backend.status.enable([&backend, canPost](bool wasEnabled) {
            if (!wasEnabled || !canPost || !backend.listening) {
                backend.openSettings();
            }
        });
    });
}

std::optional<RunningApplication> AtspiAccessibility::frontmostApplication() const {
    return backend_->cache.frontmostApplication();
}

std::optional<std::string> AtspiAccessibility::ownIdentifier() const {
    return backend_->cache.ownIdentifier();
}

std::optional<FocusedElement> AtspiAccessibility::focusedElement(int processId) const {
    return backend_->cache.focusedElement(processId);
}

}  // namespace joyvane::atspi
