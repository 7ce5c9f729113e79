#include "platform/linux/x11/x11_backend.h"

namespace joyvane::x11 {

std::optional<X11Backend> openX11Backend(Scheduler& scheduler, std::string* error,
                                         const char* displayName) {
    auto connection = X11Connection::open(displayName, error);
    if (!connection) {
        return std::nullopt;
    }
    X11Backend backend;
    backend.connection = connection;
    backend.screens = std::make_unique<X11ScreenService>(connection);
    backend.poster = std::make_unique<X11EventPoster>(connection, *backend.screens, scheduler);
    return backend;
}

}  // namespace joyvane::x11
