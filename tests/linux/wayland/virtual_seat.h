#pragma once

#include <memory>

struct wl_display;
struct wl_registry;
struct wl_seat;
struct zwlr_virtual_pointer_manager_v1;
struct zwlr_virtual_pointer_v1;
struct zwp_virtual_keyboard_manager_v1;
struct zwp_virtual_keyboard_v1;

namespace joyvane::testing {

// A pointer and a US keyboard for a headless wlroots compositor, which has no input devices of
// its own: with them its seat gets a pointer and a keyboard (and a keymap for its clients), and
// the tests can click. Absent where the compositor lacks the virtual input protocols (Weston).
class VirtualSeat {
  public:
    static std::unique_ptr<VirtualSeat> connect();
    ~VirtualSeat();

    // A left click at (x, y) of the output of the given size.
    void click(int x, int y, int outputWidth, int outputHeight);

    void global(wl_registry* registry, unsigned name, const char* interface, unsigned version);

  private:
    VirtualSeat() = default;

    wl_display* display_ = nullptr;
    wl_registry* registry_ = nullptr;
    wl_seat* seat_ = nullptr;
    zwlr_virtual_pointer_manager_v1* pointerManager_ = nullptr;
    zwp_virtual_keyboard_manager_v1* keyboardManager_ = nullptr;
    zwlr_virtual_pointer_v1* pointer_ = nullptr;
    zwp_virtual_keyboard_v1* keyboard_ = nullptr;
};

}  // namespace joyvane::testing
