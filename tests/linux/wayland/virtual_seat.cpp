#include "virtual_seat.h"

#include <linux/input-event-codes.h>
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <cstdlib>
#include <cstring>
#include <string_view>

#include "platform/linux/wayland/wayland_globals.h"
#include "virtual-input-client-protocol.h"

namespace joyvane::testing {

namespace {

// The US keymap as text in a sealed memory file, as the keyboard protocol takes it.
int usKeymapFile(uint32_t& size) {
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    xkb_rule_names names{"evdev", "pc105", "us", "", ""};
    xkb_keymap* keymap = xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
    char* text = keymap ? xkb_keymap_get_as_string(keymap, XKB_KEYMAP_FORMAT_TEXT_V1) : nullptr;
    int fd = -1;
    if (text) {
        size = static_cast<uint32_t>(std::strlen(text) + 1);
        fd = ::memfd_create("joyvane-test-keymap", MFD_CLOEXEC);
        if (fd >= 0 && ::write(fd, text, size) != static_cast<ssize_t>(size)) {
            ::close(fd);
            fd = -1;
        }
        std::free(text);
    }
    xkb_keymap_unref(keymap);
    xkb_context_unref(context);
    return fd;
}

}  // namespace

std::unique_ptr<VirtualSeat> VirtualSeat::connect() {
    std::unique_ptr<VirtualSeat> seat(new VirtualSeat);
    if (!wayland::connectAndListGlobals(seat.get(), seat->display_, seat->registry_) ||
        !seat->seat_ || !seat->pointerManager_ || !seat->keyboardManager_) {
        return nullptr;
    }
    seat->pointer_ =
        zwlr_virtual_pointer_manager_v1_create_virtual_pointer(seat->pointerManager_, seat->seat_);
    seat->keyboard_ = zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(
        seat->keyboardManager_, seat->seat_);
    uint32_t size = 0;
    int fd = usKeymapFile(size);
    if (fd < 0) {
        return nullptr;
    }
    zwp_virtual_keyboard_v1_keymap(seat->keyboard_, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd, size);
    ::close(fd);
    wl_display_roundtrip(seat->display_);
    return seat;
}

VirtualSeat::~VirtualSeat() {
    if (keyboard_) {
        zwp_virtual_keyboard_v1_destroy(keyboard_);
    }
    if (pointer_) {
        zwlr_virtual_pointer_v1_destroy(pointer_);
    }
    if (keyboardManager_) {
        zwp_virtual_keyboard_manager_v1_destroy(keyboardManager_);
    }
    if (pointerManager_) {
        zwlr_virtual_pointer_manager_v1_destroy(pointerManager_);
    }
    if (seat_) {
        wl_seat_destroy(seat_);
    }
    if (registry_) {
        wl_registry_destroy(registry_);
    }
    if (display_) {
        wl_display_roundtrip(display_);
        wl_display_disconnect(display_);
    }
}

void VirtualSeat::global(wl_registry* registry, unsigned name, const char* interface, unsigned) {
    std::string_view which(interface);
    auto bind = [&](const wl_interface& type) {
        return wl_registry_bind(registry, name, &type, 1);
    };
    if (!seat_ && which == wl_seat_interface.name) {
        seat_ = static_cast<wl_seat*>(bind(wl_seat_interface));
    } else if (which == zwlr_virtual_pointer_manager_v1_interface.name) {
        pointerManager_ = static_cast<zwlr_virtual_pointer_manager_v1*>(
            bind(zwlr_virtual_pointer_manager_v1_interface));
    } else if (which == zwp_virtual_keyboard_manager_v1_interface.name) {
        keyboardManager_ = static_cast<zwp_virtual_keyboard_manager_v1*>(
            bind(zwp_virtual_keyboard_manager_v1_interface));
    }
}

void VirtualSeat::click(int x, int y, int outputWidth, int outputHeight) {
    zwlr_virtual_pointer_v1_motion_absolute(
        pointer_, 0, static_cast<uint32_t>(x), static_cast<uint32_t>(y),
        static_cast<uint32_t>(outputWidth), static_cast<uint32_t>(outputHeight));
    zwlr_virtual_pointer_v1_frame(pointer_);
    for (auto state : {WL_POINTER_BUTTON_STATE_PRESSED, WL_POINTER_BUTTON_STATE_RELEASED}) {
        zwlr_virtual_pointer_v1_button(pointer_, 0, BTN_LEFT, state);
        zwlr_virtual_pointer_v1_frame(pointer_);
    }
    wl_display_roundtrip(display_);
}

}  // namespace joyvane::testing
