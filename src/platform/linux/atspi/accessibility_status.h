#pragma once

#include <gio/gio.h>

#include <atomic>
#include <functional>

namespace joyvane::atspi {

// Whether the accessibility bus answers and applications are asked to expose themselves
// (org.a11y.Status IsEnabled on the session bus), polled once a second; and switching IsEnabled
// on. Everything but the two readers runs on the GLib thread whose context start() is given.
class AccessibilityStatus {
  public:
    void start(GMainContext* context);
    void stop();
    // Reads IsEnabled afresh and, when it is off, asks the bus to switch it on; then calls
    // `then` on this thread with whether it was on already (false when the bus did not answer).
    // The next poll shows the outcome.
    void enable(std::function<void(bool wasEnabled)> then);

    // Readable from any thread.
    bool busReachable() const { return reachable_; }
    bool isEnabled() const { return enabled_; }
    // The bus has answered (or failed to answer) the first poll, or there is no session bus.
    bool hasAnswered() const { return answered_; }

  private:
    static void onStatus(GObject* source, GAsyncResult* result, gpointer self);
    static void onEnableStatus(GObject* source, GAsyncResult* result, gpointer request);
    static void onEnabled(GObject* source, GAsyncResult* result, gpointer self);
    void getStatus(GAsyncReadyCallback done, gpointer data);
    void poll();

    GDBusConnection* session_ = nullptr;
    GCancellable* cancellable_ = nullptr;
    GSource* timer_ = nullptr;
    std::atomic<bool> reachable_{false};
    std::atomic<bool> enabled_{false};
    std::atomic<bool> answered_{false};
};

}  // namespace joyvane::atspi
