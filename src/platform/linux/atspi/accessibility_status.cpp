#include "platform/linux/atspi/accessibility_status.h"

#include <memory>

namespace joyvane::atspi {

namespace {

constexpr guint kPollIntervalMs = 1000;
constexpr int kCallTimeoutMs = 500;

constexpr const char* kBusName = "org.a11y.Bus";
constexpr const char* kBusPath = "/org/a11y/bus";
constexpr const char* kProperties = "org.freedesktop.DBus.Properties";
constexpr const char* kStatus = "org.a11y.Status";

bool cancelled(GError* error) {
    return g_error_matches(error, G_IO_ERROR, G_IO_ERROR_CANCELLED);
}

// IsEnabled out of a Properties.Get reply; false for anything else.
bool enabledIn(GVariant* reply) {
    GVariant* value = nullptr;
    g_variant_get(reply, "(v)", &value);
    bool enabled =
        g_variant_is_of_type(value, G_VARIANT_TYPE_BOOLEAN) && g_variant_get_boolean(value);
    g_variant_unref(value);
    return enabled;
}

struct EnableRequest {
    AccessibilityStatus* status;
    std::function<void(bool)> then;
};

}  // namespace

void AccessibilityStatus::start(GMainContext* context) {
    cancellable_ = g_cancellable_new();
    session_ = g_bus_get_sync(G_BUS_TYPE_SESSION, cancellable_, nullptr);
    if (!session_) {
        answered_ = true;
        return;  // no session bus: never reachable, never enabled
    }
    poll();
    timer_ = g_timeout_source_new(kPollIntervalMs);
    g_source_set_callback(
        timer_,
        [](gpointer self) -> gboolean {
            static_cast<AccessibilityStatus*>(self)->poll();
            return G_SOURCE_CONTINUE;
        },
        this, nullptr);
    g_source_attach(timer_, context);
}

void AccessibilityStatus::stop() {
    if (timer_) {
        g_source_destroy(timer_);
        g_source_unref(timer_);
        timer_ = nullptr;
    }
    if (cancellable_) {
        g_cancellable_cancel(cancellable_);
        g_clear_object(&cancellable_);
    }
    g_clear_object(&session_);
}

void AccessibilityStatus::getStatus(GAsyncReadyCallback done, gpointer data) {
    g_dbus_connection_call(session_, kBusName, kBusPath, kProperties, "Get",
                           g_variant_new("(ss)", kStatus, "IsEnabled"), G_VARIANT_TYPE("(v)"),
                           G_DBUS_CALL_FLAGS_NONE, kCallTimeoutMs, cancellable_, done, data);
}

void AccessibilityStatus::poll() {
    getStatus(&AccessibilityStatus::onStatus, this);
}

void AccessibilityStatus::onStatus(GObject* source, GAsyncResult* result, gpointer self) {
    GError* error = nullptr;
    GVariant* reply = g_dbus_connection_call_finish(G_DBUS_CONNECTION(source), result, &error);
    if (!reply) {
        bool gone = cancelled(error);
        g_error_free(error);
        if (!gone) {
            static_cast<AccessibilityStatus*>(self)->reachable_ = false;
            static_cast<AccessibilityStatus*>(self)->answered_ = true;
        }
        return;
    }
    auto* status = static_cast<AccessibilityStatus*>(self);
    status->reachable_ = true;
    status->enabled_ = enabledIn(reply);
    status->answered_ = true;
    g_variant_unref(reply);
}

void AccessibilityStatus::enable(std::function<void(bool wasEnabled)> then) {
    if (!session_) {
        then(false);
        return;
    }
    getStatus(&AccessibilityStatus::onEnableStatus, new EnableRequest{this, std::move(then)});
}

void AccessibilityStatus::onEnableStatus(GObject* source, GAsyncResult* result, gpointer data) {
    std::unique_ptr<EnableRequest> request(static_cast<EnableRequest*>(data));
    GError* error = nullptr;
    GVariant* reply = g_dbus_connection_call_finish(G_DBUS_CONNECTION(source), result, &error);
    if (!reply && cancelled(error)) {
        g_error_free(error);
        return;  // stopped meanwhile
    }
    g_clear_error(&error);
    bool wasEnabled = reply && enabledIn(reply);
    if (reply) {
        g_variant_unref(reply);
    }
    AccessibilityStatus* status = request->status;
    if (!wasEnabled) {
        g_dbus_connection_call(
            status->session_, kBusName, kBusPath, kProperties, "Set",
            g_variant_new("(ssv)", kStatus, "IsEnabled", g_variant_new_boolean(TRUE)), nullptr,
            G_DBUS_CALL_FLAGS_NONE, kCallTimeoutMs, status->cancellable_,
            &AccessibilityStatus::onEnabled, status);
    }
    request->then(wasEnabled);
}

void AccessibilityStatus::onEnabled(GObject* source, GAsyncResult* result, gpointer self) {
    GError* error = nullptr;
    GVariant* reply = g_dbus_connection_call_finish(G_DBUS_CONNECTION(source), result, &error);
    if (reply) {
        g_variant_unref(reply);
    }
    bool gone = error && cancelled(error);
    g_clear_error(&error);
    if (!gone) {
        static_cast<AccessibilityStatus*>(self)->poll();
    }
}

}  // namespace joyvane::atspi
