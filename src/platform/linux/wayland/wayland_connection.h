#pragma once

#include <wayland-client.h>

#include <cstdint>
#include <initializer_list>
#include <memory>

class QSocketNotifier;

namespace joyvane::wayland {

// A connection of its owner's own to the session's compositor, apart from Qt's: the registry,
// and the compositor's events read from the Qt event loop. Declared before the owner's other
// members, it outlives the objects they made on it.
class WaylandConnection {
  public:
    // Connects and announces every global to `owner->global(registry, name, interface,
    // version)` in one round trip. Absent when there is no display to connect to.
    template <typename Owner>
    static std::unique_ptr<WaylandConnection> open(Owner* owner) {
        static const wl_registry_listener listener = {
            [](void* data, wl_registry* r, uint32_t name, const char* interface, uint32_t version) {
                static_cast<Owner*>(data)->global(r, name, interface, version);
            },
            [](void*, wl_registry*, uint32_t) {},
        };
        wl_display* display = wl_display_connect(nullptr);
        if (!display) {
            return nullptr;
        }
        std::unique_ptr<WaylandConnection> connection(new WaylandConnection(display));
        wl_registry_add_listener(connection->registry_, &listener, owner);
        wl_display_roundtrip(display);
        return connection;
    }
    ~WaylandConnection();

    wl_display* display() const { return display_; }

    // From now on the compositor's events are handled as they arrive. Once the compositor has
    // gone nothing more is read, and the owner keeps what it last had.
    void dispatchFromEventLoop();

  private:
    explicit WaylandConnection(wl_display* display);

    wl_display* display_;
    wl_registry* registry_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

// Lets go of client objects whose interface has no destructor request at the version bound;
// null ones are skipped.
void destroyPlainProxies(std::initializer_list<void*> proxies);

}  // namespace joyvane::wayland
