#pragma once

#include <gio/gio.h>

#include <atomic>

namespace joyvane::atspi {

// Whether the accessibility bus answers and applications are asked to expose themselves
// (org.a11y.Status IsEnabled on the session bus), polled once a second; and switching IsEnabled
// on. Everything but the two readers runs on the GLib thread whose context start() is given.
class AccessibilityStatus {
  public:
    void start(GMainContext* context);
    void stop();
    // Asks the bus to switch IsEnabled on; the next poll shows the outcome.
    void enable();

    // Readable from any thread.
    bool busReachable() const { return reachable_; }
    bool isEnabled() const { return enabled_; }

  private:
    static void onStatus(GObject* source, GAsyncResult* result, gpointer self);
    static void onEnabled(GObject* source, GAsyncResult* result, gpointer self);
    void poll();

    GDBusConnection* session_ = nullptr;
    GCancellable* cancellable_ = nullptr;
    GSource* timer_ = nullptr;
    std::atomic<bool> reachable_{false};
    std::atomic<bool> enabled_{false};
};

}  // namespace joyvane::atspi
