#include "platform/linux/wayland/compositor_keymap.h"

#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

#include <cstring>
#include <string>

#include "platform/linux/wayland/xkb_keymap.h"

namespace joyvane::wayland {

namespace {

CompositorKeymap* self(void* data) {
    return static_cast<CompositorKeymap*>(data);
}

const wl_keyboard_listener kKeyboardListener = {
    [](void* data, wl_keyboard*, uint32_t format, int32_t fd, uint32_t size) {
        if (format == WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1) {
            self(data)->keymap(fd, size);
        }
        ::close(fd);
    },
    [](void*, wl_keyboard*, uint32_t, wl_surface*, wl_array*) {},
    [](void*, wl_keyboard*, uint32_t, wl_surface*) {},
    [](void*, wl_keyboard*, uint32_t, uint32_t, uint32_t, uint32_t) {},
    [](void*, wl_keyboard*, uint32_t, uint32_t, uint32_t, uint32_t, uint32_t) {},
    [](void*, wl_keyboard*, int32_t, int32_t) {},
};

const wl_seat_listener kSeatListener = {
    [](void* data, wl_seat* seat, uint32_t capabilities) {
        self(data)->seatCapabilities(seat, capabilities);
    },
    [](void*, wl_seat*, const char*) {},
};

}  // namespace

CompositorKeymap::CompositorKeymap(Changed changed) : changed_(std::move(changed)) {}

std::unique_ptr<CompositorKeymap> CompositorKeymap::follow(Changed changed) {
    std::unique_ptr<CompositorKeymap> result(new CompositorKeymap(std::move(changed)));
    // The globals, the seat among them.
    result->connection_ = WaylandConnection::open(result.get());
    if (!result->connection_) {
        return nullptr;
    }
    wl_display_roundtrip(result->connection_->display());  // its capabilities and a first keymap
    result->connection_->dispatchFromEventLoop();
    return result;
}

CompositorKeymap::~CompositorKeymap() {
    destroyPlainProxies({keyboard_, seat_});
}

void CompositorKeymap::global(wl_registry* registry, unsigned name, const char* interface,
                              unsigned version) {
    if (!seat_ && std::strcmp(interface, wl_seat_interface.name) == 0) {
        seat_ = static_cast<wl_seat*>(
            wl_registry_bind(registry, name, &wl_seat_interface, std::min(version, 5u)));
        wl_seat_add_listener(seat_, &kSeatListener, this);
    }
}

void CompositorKeymap::seatCapabilities(wl_seat* seat, unsigned capabilities) {
    bool hasKeyboard = (capabilities & WL_SEAT_CAPABILITY_KEYBOARD) != 0;
    if (hasKeyboard && !keyboard_) {
        keyboard_ = wl_seat_get_keyboard(seat);
        wl_keyboard_add_listener(keyboard_, &kKeyboardListener, this);
        if (connection_) {  // absent while the first round trip announces the seat
            wl_display_flush(connection_->display());
        }
    } else if (!hasKeyboard && keyboard_) {
        wl_keyboard_release(keyboard_);
        keyboard_ = nullptr;
    }
}

void CompositorKeymap::keymap(int fd, unsigned size) {
    void* data = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    if (data == MAP_FAILED) {
        return;
    }
    // The text ends with a NUL within `size`.
    std::string text(static_cast<const char*>(data),
                     ::strnlen(static_cast<const char*>(data), size));
    ::munmap(data, size);
    if (std::shared_ptr<const KeymapLookup> keymap = XkbKeymap::fromText(text)) {
        changed_(std::move(keymap));
    }
}

}  // namespace joyvane::wayland
