#include "platform/linux/wayland/overlay_surface.h"

#include <linux/input-event-codes.h>
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

#include <algorithm>
#include <cstring>
#include <string_view>

#include "layer-shell-client-protocol.h"

namespace joyvane::wayland {

namespace {

OverlaySurface* self(void* data) {
    return static_cast<OverlaySurface*>(data);
}

using Kind = OverlaySurface::PointerEvent::Kind;

// Version 1 of the seat and its pointer: the events below are all it sends.
const wl_seat_listener kSeatListener = {
    [](void* data, wl_seat*, uint32_t capabilities) { self(data)->seatCapabilities(capabilities); },
    nullptr,
};

const wl_pointer_listener kPointerListener = {
    [](void* data, wl_pointer*, uint32_t, wl_surface* surface, wl_fixed_t x, wl_fixed_t y) {
        self(data)->pointerEntered(surface, wl_fixed_to_double(x), wl_fixed_to_double(y));
    },
    [](void* data, wl_pointer*, uint32_t, wl_surface*) { self(data)->pointerLeft(); },
    [](void* data, wl_pointer*, uint32_t, wl_fixed_t x, wl_fixed_t y) {
        self(data)->pointerMoved(wl_fixed_to_double(x), wl_fixed_to_double(y));
    },
    [](void* data, wl_pointer*, uint32_t, uint32_t, uint32_t button, uint32_t state) {
        self(data)->pointerButton(button, state == WL_POINTER_BUTTON_STATE_PRESSED);
    },
    [](void*, wl_pointer*, uint32_t, uint32_t, wl_fixed_t) {},
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
};

const zwlr_layer_surface_v1_listener kLayerSurfaceListener = {
    [](void* data, zwlr_layer_surface_v1*, uint32_t serial, uint32_t, uint32_t) {
        self(data)->configured(serial);
    },
    [](void* data, zwlr_layer_surface_v1*) { self(data)->closed(); },
};

const wl_buffer_listener kBufferListener = {
    [](void* data, wl_buffer* buffer) { self(data)->bufferReleased(buffer); },
};

template <typename T>
T* bind(wl_registry* registry, unsigned name, const wl_interface& interface, unsigned version = 1) {
    return static_cast<T*>(wl_registry_bind(registry, name, &interface, version));
}

// Version 3 of the compositor's surfaces sets the buffer scale.
constexpr unsigned kScaledSurfaces = 3;

}  // namespace

OverlaySurface::OverlaySurface(PointerHandler pointer) : pointerHandler_(std::move(pointer)) {}

std::unique_ptr<OverlaySurface> OverlaySurface::connect(PointerHandler pointer) {
    std::unique_ptr<OverlaySurface> result(new OverlaySurface(std::move(pointer)));
    result->connection_ = WaylandConnection::open(result.get());
    if (!result->connection_ || !result->compositor_ || !result->shm_ || !result->layerShell_) {
        return nullptr;
    }
    result->connection_->dispatchFromEventLoop();
    return result;
}

OverlaySurface::~OverlaySurface() {
    if (connection_) {
        hide();
    }
    destroyPlainProxies({pointer_, seat_, layerShell_, shm_, compositor_});
}

void OverlaySurface::global(wl_registry* registry, unsigned name, const char* interface,
                            unsigned version) {
    std::string_view which(interface);
    if (!compositor_ && which == wl_compositor_interface.name) {
        compositorVersion_ = std::min(version, kScaledSurfaces);
        compositor_ =
            bind<wl_compositor>(registry, name, wl_compositor_interface, compositorVersion_);
    } else if (!shm_ && which == wl_shm_interface.name) {
        shm_ = bind<wl_shm>(registry, name, wl_shm_interface);
    } else if (!layerShell_ && which == zwlr_layer_shell_v1_interface.name) {
        layerShell_ = bind<zwlr_layer_shell_v1>(registry, name, zwlr_layer_shell_v1_interface);
    } else if (!seat_ && which == wl_seat_interface.name) {
        seat_ = bind<wl_seat>(registry, name, wl_seat_interface);
        wl_seat_add_listener(seat_, &kSeatListener, this);
    }
}

void OverlaySurface::seatCapabilities(unsigned capabilities) {
    bool hasPointer = (capabilities & WL_SEAT_CAPABILITY_POINTER) != 0;
    if (hasPointer && !pointer_) {
        pointer_ = wl_seat_get_pointer(seat_);
        wl_pointer_add_listener(pointer_, &kPointerListener, this);
    } else if (!hasPointer && pointer_) {
        wl_pointer_destroy(pointer_);
        pointer_ = nullptr;
        pointerInside_ = false;
    }
}

void OverlaySurface::show(const Picture& picture, int bottomMargin) {
    int scale = compositorVersion_ >= kScaledSurfaces ? std::max(1, picture.scale) : 1;
    if (picture.width <= 0 || picture.height <= 0 || !picture.bits) {
        return;
    }
    std::size_t rowBytes = static_cast<std::size_t>(picture.width) * 4;
    pending_.resize(rowBytes * static_cast<std::size_t>(picture.height));
    for (int row = 0; row < picture.height; ++row) {
        std::memcpy(pending_.data() + rowBytes * static_cast<std::size_t>(row),
                    picture.bits + static_cast<std::ptrdiff_t>(picture.bytesPerLine) * row,
                    rowBytes);
    }
    bool resized = picture.width != width_ || picture.height != height_ || scale != scale_;
    width_ = picture.width;
    height_ = picture.height;
    scale_ = scale;
    hasPending_ = true;
    if (!layerSurface_) {
        surface_ = wl_compositor_create_surface(compositor_);
        layerSurface_ = zwlr_layer_shell_v1_get_layer_surface(
            layerShell_, surface_, nullptr, ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY, "joyvane-keyboard");
        zwlr_layer_surface_v1_add_listener(layerSurface_, &kLayerSurfaceListener, this);
        zwlr_layer_surface_v1_set_anchor(layerSurface_, ZWLR_LAYER_SURFACE_V1_ANCHOR_BOTTOM);
        zwlr_layer_surface_v1_set_margin(layerSurface_, 0, 0, bottomMargin, 0);
        zwlr_layer_surface_v1_set_keyboard_interactivity(layerSurface_, 0);
        resized = true;
    }
    if (resized) {
        // The layer surface is sized in points, the buffer in pixels.
        zwlr_layer_surface_v1_set_size(layerSurface_, static_cast<uint32_t>(width_ / scale_),
                                       static_cast<uint32_t>(height_ / scale_));
        if (compositorVersion_ >= kScaledSurfaces) {
            wl_surface_set_buffer_scale(surface_, scale_);
        }
    }
    if (!configured_) {
        // The first commit carries no buffer; the picture follows the compositor's configure.
        wl_surface_commit(surface_);
        flush();
        return;
    }
    draw();
}

void OverlaySurface::configured(unsigned serial) {
    if (!layerSurface_) {
        return;
    }
    zwlr_layer_surface_v1_ack_configure(layerSurface_, serial);
    configured_ = true;
    if (hasPending_) {
        draw();
    } else {
        wl_surface_commit(surface_);
        flush();
    }
}

void OverlaySurface::draw() {
    if (!configured_ || !hasPending_) {
        return;
    }
    if ((width_ != bufferWidth_ || height_ != bufferHeight_) && !allocate(width_, height_)) {
        return;
    }
    auto free = std::find_if(buffers_.begin(), buffers_.end(), [](auto& b) { return !b.busy; });
    if (free == buffers_.end()) {
        return;  // drawn when the compositor releases one
    }
    std::size_t frameBytes = pending_.size();
    std::memcpy(memory_ + frameBytes * static_cast<std::size_t>(free - buffers_.begin()),
                pending_.data(), frameBytes);
    free->busy = true;
    hasPending_ = false;
    wl_surface_attach(surface_, free->buffer, 0, 0);
    wl_surface_damage(surface_, 0, 0, width_ / scale_, height_ / scale_);
    wl_surface_commit(surface_);
    flush();
}

bool OverlaySurface::allocate(int width, int height) {
    releaseBuffers();
    int stride = width * 4;
    std::size_t frameBytes = static_cast<std::size_t>(stride) * static_cast<std::size_t>(height);
    int fd = ::memfd_create("joyvane-overlay", MFD_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    std::size_t size = frameBytes * buffers_.size();
    void* memory = MAP_FAILED;
    if (::ftruncate(fd, static_cast<off_t>(size)) == 0) {
        memory = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    }
    if (memory == MAP_FAILED) {
        ::close(fd);
        return false;
    }
    memory_ = static_cast<unsigned char*>(memory);
    memorySize_ = size;
    wl_shm_pool* pool = wl_shm_create_pool(shm_, fd, static_cast<int32_t>(size));
    for (std::size_t i = 0; i < buffers_.size(); ++i) {
        buffers_[i].buffer =
            wl_shm_pool_create_buffer(pool, static_cast<int32_t>(frameBytes * i), width, height,
                                      stride, WL_SHM_FORMAT_ARGB8888);
        buffers_[i].busy = false;
        wl_buffer_add_listener(buffers_[i].buffer, &kBufferListener, this);
    }
    wl_shm_pool_destroy(pool);
    ::close(fd);
    bufferWidth_ = width;
    bufferHeight_ = height;
    return true;
}

void OverlaySurface::releaseBuffers() {
    for (Buffer& b : buffers_) {
        if (b.buffer) {
            wl_buffer_destroy(b.buffer);
        }
        b = Buffer{};
    }
    if (memory_) {
        ::munmap(memory_, memorySize_);
    }
    memory_ = nullptr;
    memorySize_ = 0;
    bufferWidth_ = 0;
    bufferHeight_ = 0;
}

void OverlaySurface::bufferReleased(wl_buffer* buffer) {
    for (Buffer& b : buffers_) {
        if (b.buffer == buffer) {
            b.busy = false;
        }
    }
    draw();
}

void OverlaySurface::hide() {
    if (!layerSurface_) {
        return;
    }
    if (pointerInside_ && pointerHandler_) {
        pointerHandler_(PointerEvent{Kind::Leave, pointerX_, pointerY_});
    }
    pointerInside_ = false;
    zwlr_layer_surface_v1_destroy(layerSurface_);
    wl_surface_destroy(surface_);
    layerSurface_ = nullptr;
    surface_ = nullptr;
    configured_ = false;
    hasPending_ = false;
    releaseBuffers();
    flush();
}

void OverlaySurface::pointerEntered(wl_surface* surface, double x, double y) {
    pointerInside_ = surface != nullptr && surface == surface_;
    if (pointerInside_) {
        pointerMoved(x, y);
    }
}

void OverlaySurface::pointerLeft() {
    if (pointerInside_ && pointerHandler_) {
        pointerHandler_(PointerEvent{Kind::Leave, pointerX_, pointerY_});
    }
    pointerInside_ = false;
}

void OverlaySurface::pointerMoved(double x, double y) {
    pointerX_ = x;
    pointerY_ = y;
    if (pointerInside_ && pointerHandler_) {
        pointerHandler_(PointerEvent{Kind::Move, x, y});
    }
}

void OverlaySurface::pointerButton(unsigned button, bool pressed) {
    if (pointerInside_ && button == BTN_LEFT && pointerHandler_) {
        pointerHandler_(PointerEvent{pressed ? Kind::Press : Kind::Release, pointerX_, pointerY_});
    }
}

}  // namespace joyvane::wayland
