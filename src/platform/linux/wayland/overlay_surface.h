#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/linux/wayland/wayland_connection.h"

struct wl_buffer;
struct wl_compositor;
struct wl_pointer;
struct wl_registry;
struct wl_seat;
struct wl_shm;
struct wl_surface;
struct zwlr_layer_shell_v1;
struct zwlr_layer_surface_v1;

namespace joyvane::wayland {

// A picture floating above every window, centred on the bottom edge of the output the compositor
// picks, that never takes the keyboard focus, not even when clicked: a surface of the layer
// shell's overlay layer, on a Wayland connection of its own. xdg-shell cannot do this (a
// compositor activates the toplevels it maps), so this is how the keyboard panel stays out of
// the way of the application being typed into, where the compositor offers a layer shell.
class OverlaySurface {
  public:
    // The picture: 32-bit premultiplied ARGB in native byte order, as QImage stores
    // Format_ARGB32_Premultiplied, with `scale` pixels a surface point (2 on a doubled screen).
    struct Picture {
        const unsigned char* bits = nullptr;
        int width = 0;
        int height = 0;
        int bytesPerLine = 0;
        int scale = 1;
    };

    // What the pointer did on the surface, in surface coordinates.
    struct PointerEvent {
        enum class Kind { Move, Press, Release, Leave };
        Kind kind = Kind::Move;
        double x = 0;
        double y = 0;
    };
    using PointerHandler = std::function<void(const PointerEvent&)>;

    // Absent when there is no Wayland display or the compositor has no layer shell.
    static std::unique_ptr<OverlaySurface> connect(PointerHandler pointer);
    ~OverlaySurface();

    // Maps the surface `bottomMargin` above the output's bottom edge, or shows a new picture on
    // it. The picture is copied; it is drawn once the compositor has configured the surface.
    void show(const Picture& picture, int bottomMargin);
    void hide();
    bool shown() const { return layerSurface_ != nullptr; }

    // Called by the Wayland listeners.
    void global(wl_registry* registry, unsigned name, const char* interface, unsigned version);
    void seatCapabilities(unsigned capabilities);
    void configured(unsigned serial);
    void closed() { hide(); }
    void bufferReleased(wl_buffer* buffer);
    void pointerEntered(wl_surface* surface, double x, double y);
    void pointerLeft();
    void pointerMoved(double x, double y);
    void pointerButton(unsigned button, bool pressed);

  private:
    struct Buffer {
        wl_buffer* buffer = nullptr;
        bool busy = false;
    };

    explicit OverlaySurface(PointerHandler pointer);
    void flush() { wl_display_flush(connection_->display()); }
    void draw();
    bool allocate(int width, int height);
    void releaseBuffers();

    PointerHandler pointerHandler_;
    std::unique_ptr<WaylandConnection> connection_;
    wl_compositor* compositor_ = nullptr;
    unsigned compositorVersion_ = 1;
    wl_shm* shm_ = nullptr;
    zwlr_layer_shell_v1* layerShell_ = nullptr;
    wl_seat* seat_ = nullptr;
    wl_pointer* pointer_ = nullptr;
    wl_surface* surface_ = nullptr;
    zwlr_layer_surface_v1* layerSurface_ = nullptr;
    bool configured_ = false;
    bool pointerInside_ = false;
    double pointerX_ = 0;
    double pointerY_ = 0;

    // The picture waiting to be drawn, tightly packed, and the two buffers it is drawn into.
    std::vector<unsigned char> pending_;
    int width_ = 0;
    int height_ = 0;
    int scale_ = 1;
    bool hasPending_ = false;
    std::array<Buffer, 2> buffers_{};
    unsigned char* memory_ = nullptr;
    std::size_t memorySize_ = 0;
    int bufferWidth_ = 0;
    int bufferHeight_ = 0;
};

}  // namespace joyvane::wayland
