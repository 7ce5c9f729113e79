#include "app/backend_choice.h"

#include <cstdlib>

namespace joyvane::app {

namespace {

BackendChoice choice(SessionBackend backend) {
    return {backend, backend == SessionBackend::wayland ? "wayland" : "xcb", {}};
}

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

}  // namespace

BackendChoice chooseBackend(const SessionEnvironment& environment) {
    if (environment.override == "x11") {
        return choice(SessionBackend::x11);
    }
    if (environment.override == "wayland") {
        return choice(SessionBackend::wayland);
    }
    BackendChoice result =
        choice(environment.sessionType == "wayland" || !environment.waylandDisplay.empty()
                   ? SessionBackend::wayland
                   : SessionBackend::x11);
    if (!environment.override.empty()) {
        result.warning = "JOYVANE_BACKEND=" + environment.override +
                         " is neither x11 nor wayland; using the session's own.";
    }
    return result;
}

SessionEnvironment currentSessionEnvironment() {
    return {variable("XDG_SESSION_TYPE"), variable("WAYLAND_DISPLAY"), variable("JOYVANE_BACKEND")};
}

}  // namespace joyvane::app
