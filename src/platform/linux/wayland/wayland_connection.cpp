#include "platform/linux/wayland/wayland_connection.h"

#include <QSocketNotifier>

namespace joyvane::wayland {

WaylandConnection::WaylandConnection(wl_display* display)
    : display_(display), registry_(wl_display_get_registry(display)) {}

WaylandConnection::~WaylandConnection() {
    notifier_.reset();
    wl_registry_destroy(registry_);
    wl_display_disconnect(display_);
}

void WaylandConnection::dispatchFromEventLoop() {
    notifier_ =
        std::make_unique<QSocketNotifier>(wl_display_get_fd(display_), QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
        if (wl_display_dispatch(display_) < 0) {
            notifier_->setEnabled(false);
        }
    });
}

void destroyPlainProxies(std::initializer_list<void*> proxies) {
    for (void* proxy : proxies) {
        if (proxy) {
            wl_proxy_destroy(static_cast<wl_proxy*>(proxy));
        }
    }
}

}  // namespace joyvane::wayland
