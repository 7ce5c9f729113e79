#pragma once

#include <memory>

#include "platform/linux/wayland/wayland_connection.h"

struct wl_registry;
struct wl_seat;
struct zwlr_virtual_pointer_manager_v1;
struct zwlr_virtual_pointer_v1;

namespace joyvane::testing {

// A pointer for a headless wlroots compositor, which has no input devices of its own: with it
// the seat gets a pointer and the tests can click. Absent where the compositor lacks the
// virtual pointer protocol (Weston).
class VirtualPointer {
  public:
    // For an output of the given size.
    static std::unique_ptr<VirtualPointer> connect(int outputWidth, int outputHeight);
    ~VirtualPointer();

    // The left button pressed at one point of the output and let go at another.
    void drag(int fromX, int fromY, int toX, int toY);

    void global(wl_registry* registry, unsigned name, const char* interface, unsigned version);

  private:
    VirtualPointer() = default;
    void moveTo(int x, int y);

    std::unique_ptr<wayland::WaylandConnection> connection_;
    wl_seat* seat_ = nullptr;
    zwlr_virtual_pointer_manager_v1* pointerManager_ = nullptr;
    zwlr_virtual_pointer_v1* pointer_ = nullptr;
    int outputWidth_ = 0;
    int outputHeight_ = 0;
};

}  // namespace joyvane::testing
