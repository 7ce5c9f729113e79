#include "platform/linux/desktop/file_manager.h"

#include <gio/gio.h>

namespace joyvane::linux_desktop {

namespace {

constexpr int kCallTimeoutMs = 3000;

}  // namespace

bool showItemInFileManager(const std::filesystem::path& file) {
    GError* error = nullptr;
    gchar* uri = g_filename_to_uri(file.c_str(), nullptr, &error);
    if (!uri) {
        g_clear_error(&error);
        return false;
    }
    GDBusConnection* bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, &error);
    if (!bus) {
        g_clear_error(&error);
        g_free(uri);
        return false;
    }
    const gchar* uris[] = {uri, nullptr};
    GVariant* reply = g_dbus_connection_call_sync(
        bus, "org.freedesktop.FileManager1", "/org/freedesktop/FileManager1",
        "org.freedesktop.FileManager1", "ShowItems", g_variant_new("(^ass)", uris, ""), nullptr,
        G_DBUS_CALL_FLAGS_NONE, kCallTimeoutMs, nullptr, &error);
    g_free(uri);
    g_object_unref(bus);
    if (!reply) {
        g_clear_error(&error);
        return false;
    }
    g_variant_unref(reply);
    return true;
}

}  // namespace joyvane::linux_desktop
