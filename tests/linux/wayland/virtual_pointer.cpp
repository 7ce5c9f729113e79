#include "virtual_pointer.h"

#include <linux/input-event-codes.h>
#include <wayland-client.h>

#include <string_view>

#include "virtual-input-client-protocol.h"

namespace joyvane::testing {

std::unique_ptr<VirtualPointer> VirtualPointer::connect(int outputWidth, int outputHeight) {
    std::unique_ptr<VirtualPointer> pointer(new VirtualPointer);
    pointer->outputWidth_ = outputWidth;
    pointer->outputHeight_ = outputHeight;
    pointer->connection_ = wayland::WaylandConnection::open(pointer.get());
    if (!pointer->connection_ || !pointer->seat_ || !pointer->pointerManager_) {
        return nullptr;
    }
    pointer->pointer_ = zwlr_virtual_pointer_manager_v1_create_virtual_pointer(
        pointer->pointerManager_, pointer->seat_);
    wl_display_roundtrip(pointer->connection_->display());
    return pointer;
}

VirtualPointer::~VirtualPointer() {
    if (pointer_) {
        zwlr_virtual_pointer_v1_destroy(pointer_);
    }
    if (pointerManager_) {
        zwlr_virtual_pointer_manager_v1_destroy(pointerManager_);
    }
    wayland::destroyPlainProxies({seat_});
    if (connection_) {
        wl_display_roundtrip(connection_->display());  // the pointer leaves the seat
    }
}

void VirtualPointer::global(wl_registry* registry, unsigned name, const char* interface, unsigned) {
    std::string_view which(interface);
    auto bind = [&](const wl_interface& type) {
        return wl_registry_bind(registry, name, &type, 1);
    };
    if (!seat_ && which == wl_seat_interface.name) {
        seat_ = static_cast<wl_seat*>(bind(wl_seat_interface));
    } else if (which == zwlr_virtual_pointer_manager_v1_interface.name) {
        pointerManager_ = static_cast<zwlr_virtual_pointer_manager_v1*>(
            bind(zwlr_virtual_pointer_manager_v1_interface));
    }
}

void VirtualPointer::moveTo(int x, int y) {
    zwlr_virtual_pointer_v1_motion_absolute(
        pointer_, 0, static_cast<uint32_t>(x), static_cast<uint32_t>(y),
        static_cast<uint32_t>(outputWidth_), static_cast<uint32_t>(outputHeight_));
    zwlr_virtual_pointer_v1_frame(pointer_);
}

void VirtualPointer::drag(int fromX, int fromY, int toX, int toY) {
    moveTo(fromX, fromY);
    zwlr_virtual_pointer_v1_button(pointer_, 0, BTN_LEFT, WL_POINTER_BUTTON_STATE_PRESSED);
    zwlr_virtual_pointer_v1_frame(pointer_);
    wl_display_roundtrip(connection_->display());
    moveTo(toX, toY);
    zwlr_virtual_pointer_v1_button(pointer_, 0, BTN_LEFT, WL_POINTER_BUTTON_STATE_RELEASED);
    zwlr_virtual_pointer_v1_frame(pointer_);
    wl_display_roundtrip(connection_->display());
}

}  // namespace joyvane::testing
