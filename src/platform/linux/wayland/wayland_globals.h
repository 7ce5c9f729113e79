#pragma once

#include <wayland-client.h>

#include <cstdint>

namespace joyvane::wayland {

// Opens a connection of the owner's own to the session's compositor and announces every global
// to `owner->global(registry, name, interface, version)` in one round trip. False, with nothing
// left open, when there is no display to connect to.
template <typename Owner>
bool connectAndListGlobals(Owner* owner, wl_display*& display, wl_registry*& registry) {
    static const wl_registry_listener listener = {
        [](void* data, wl_registry* r, uint32_t name, const char* interface, uint32_t version) {
            static_cast<Owner*>(data)->global(r, name, interface, version);
        },
        [](void*, wl_registry*, uint32_t) {},
    };
    display = wl_display_connect(nullptr);
    if (!display) {
        return false;
    }
    registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, owner);
    wl_display_roundtrip(display);
    return true;
}

}  // namespace joyvane::wayland
