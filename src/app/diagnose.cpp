#include "app/diagnose.h"

#include "app/backend_choice.h"

#include <SDL.h>
#include <X11/Xlib.h>
#include <gio/gio.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>

namespace joyvane::app {

using linux_desktop::ControllerAccess;
using linux_desktop::DeviceAccessReport;

namespace {

std::string hex4(std::uint16_t value) {
    char text[8];
    std::snprintf(text, sizeof text, "%04x", value);
    return text;
}

std::string envOr(const char* name, const char* fallback) {
    const char* value = std::getenv(name);
    return value && *value ? value : fallback;
}

const char* yesNo(bool value) {
    return value ? "yes" : "no";
}

struct XFacts {
    bool display = false;
    bool xtest = false;
    bool tray = false;
};

XFacts askX() {
    XFacts facts;
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        return facts;
    }
    facts.display = true;
    int opcode = 0;
    int event = 0;
    int error = 0;
    facts.xtest = XQueryExtension(display, "XTEST", &opcode, &event, &error);
    const std::string selection = "_NET_SYSTEM_TRAY_S" + std::to_string(DefaultScreen(display));
    Atom atom = XInternAtom(display, selection.c_str(), False);
    facts.tray = XGetSelectionOwner(display, atom) != None;
    XCloseDisplay(display);
    return facts;
}

// A method call on the session bus, bounded to a second; null when it fails.
GVariant* callSession(GDBusConnection* bus, const char* destination, const char* path,
                      const char* interface, const char* method, GVariant* parameters) {
    GError* error = nullptr;
    GVariant* reply =
        g_dbus_connection_call_sync(bus, destination, path, interface, method, parameters, nullptr,
                                    G_DBUS_CALL_FLAGS_NONE, 1000, nullptr, &error);
    if (error) {
        g_error_free(error);
    }
    return reply;
}

struct BusFacts {
    bool session = false;
    bool accessibilityBus = false;
    std::optional<bool> accessibilityEnabled;
    bool notifierWatcher = false;
};

// The session bus, when there is one: without an address GIO would start a stray bus of its own.
bool hasSessionBus() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::error_code error;
    return !envOr("DBUS_SESSION_BUS_ADDRESS", "").empty() ||
           (runtime && std::filesystem::exists(std::filesystem::path(runtime) / "bus", error));
}

BusFacts askSessionBus() {
    BusFacts facts;
    if (!hasSessionBus()) {
        return facts;
    }
    GError* error = nullptr;
    GDBusConnection* bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, &error);
    if (!bus) {
        g_clear_error(&error);
        return facts;
    }
    facts.session = true;
    if (GVariant* reply = callSession(bus, "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus",
                                      "GetAddress", nullptr)) {
        facts.accessibilityBus = true;
        g_variant_unref(reply);
    }
    if (GVariant* reply =
            callSession(bus, "org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties",
                        "Get", g_variant_new("(ss)", "org.a11y.Status", "IsEnabled"))) {
        GVariant* boxed = nullptr;
        g_variant_get(reply, "(v)", &boxed);
        if (boxed && g_variant_is_of_type(boxed, G_VARIANT_TYPE_BOOLEAN)) {
            facts.accessibilityEnabled = g_variant_get_boolean(boxed) != 0;
        }
        if (boxed) {
            g_variant_unref(boxed);
        }
        g_variant_unref(reply);
    }
    if (GVariant* reply = callSession(bus, "org.freedesktop.DBus", "/org/freedesktop/DBus",
                                      "org.freedesktop.DBus", "NameHasOwner",
                                      g_variant_new("(s)", "org.kde.StatusNotifierWatcher"))) {
        gboolean owned = FALSE;
        g_variant_get(reply, "(b)", &owned);
        facts.notifierWatcher = owned != 0;
        g_variant_unref(reply);
    }
    g_object_unref(bus);
    return facts;
}

std::vector<SdlDevice> askSdl() {
    std::vector<SdlDevice> devices;
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        return devices;
    }
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
        const char* name = SDL_IsGameController(i) ? SDL_GameControllerNameForIndex(i)
                                                   : SDL_JoystickNameForIndex(i);
        const char* path = SDL_JoystickPathForIndex(i);
        devices.push_back({name ? name : "(no name)", SDL_JoystickGetDeviceVendor(i),
                           SDL_JoystickGetDeviceProduct(i), path ? path : ""});
    }
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    return devices;
}

std::string sdlVersion() {
    SDL_version linked;
    SDL_GetVersion(&linked);
    return std::to_string(linked.major) + "." + std::to_string(linked.minor) + "." +
           std::to_string(linked.patch);
}

}  // namespace

void printControllers(std::ostream& out, const std::vector<SdlDevice>& devices,
                      const DeviceAccessReport& access) {
    out << "controllers: " << devices.size() << "\n";
    std::vector<bool> used(access.controllers.size(), false);
    for (const auto& device : devices) {
        const ControllerAccess* node = nullptr;
        for (std::size_t i = 0; i < access.controllers.size() && !node; ++i) {
            const auto& candidate = access.controllers[i];
            if (!used[i] && candidate.vendor == device.vendor &&
                candidate.product == device.product) {
                used[i] = true;
                node = &candidate;
            }
        }
        out << "- " << device.name << "\n";
        out << "  ids: " << hex4(device.vendor) << ":" << hex4(device.product) << "\n";
        out << "  SDL device: " << (device.path.empty() ? "(unknown)" : device.path) << "\n";
        if (!node) {
            out << "  hidraw: none (not a PlayStation controller with a touchpad)\n";
            out << "  battery: SDL's power level, if it reports one\n";
            out << "  touchpad device: none\n";
            continue;
        }
        out << "  hidraw: " << node->node << " over " << linux_desktop::busName(node->bus) << ", "
            << (node->readWrite ? "writable"
                                : "NOT writable (touchpad and exact battery "
                                  "will not work)")
            << "\n";
        out << "  battery: "
            << (node->powerSupply ? "kernel power supply " + *node->powerSupply
                                  : std::string("SDL's power level, if it reports one"))
            << "\n";
        out << "  touchpad device: " << node->touchpad.value_or("none") << "\n";
    }
}

void printDiagnosis(std::ostream& out) {
    const std::string session = envOr("XDG_SESSION_TYPE", "unknown");
    const XFacts x = askX();
    const DeviceAccessReport access = linux_desktop::probeDeviceAccess();
    out << "session type: " << session << " (WAYLAND_DISPLAY=" << envOr("WAYLAND_DISPLAY", "")
        << ", DISPLAY=" << envOr("DISPLAY", "") << ")\n";
    const BackendChoice choice = chooseBackend(currentSessionEnvironment());
    if (choice.backend == SessionBackend::wayland) {
        out << "backend: Wayland with uinput"
            << (access.uinputWritable ? "" : " (not usable: /dev/uinput is not writable)");
    } else {
        out << "backend: "
            << (x.xtest ? "X11 with XTest" : "none (no X display with the XTest extension)");
    }
    out << "\n";
    out << "X display: " << (x.display ? "open" : "cannot open") << "\n";
    out << "XTest: " << (x.xtest ? "available" : "not available") << "\n";
    out << "uinput: " << (access.uinputWritable ? "writable" : "not writable") << "\n";
    out << "udev rules: "
        << (access.rulesInstalled ? "70-joyvane.rules installed" : "70-joyvane.rules not installed")
        << "\n";

    const BusFacts bus = askSessionBus();
    out << "session bus: " << (bus.session ? "connected" : "not reachable") << "\n";
    out << "accessibility bus: " << (bus.accessibilityBus ? "running" : "not running")
        << ", status "
        << (bus.accessibilityEnabled ? (*bus.accessibilityEnabled ? "enabled" : "disabled")
                                     : "unknown")
        << "\n";
    out << "tray host: StatusNotifierWatcher " << yesNo(bus.notifierWatcher) << ", X11 system tray "
        << yesNo(x.tray) << "\n";
    out << "SDL version: " << sdlVersion() << "\n";
    printControllers(out, askSdl(), access);
}

}  // namespace joyvane::app
