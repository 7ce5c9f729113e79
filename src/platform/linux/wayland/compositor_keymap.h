#pragma once

#include <functional>
#include <memory>

#include "platform/linux/wayland/keymap_lookup.h"
#include "platform/linux/wayland/wayland_connection.h"

struct wl_keyboard;
struct wl_registry;
struct wl_seat;

namespace joyvane::wayland {

// Follows the keymap the compositor hands its clients, on a Wayland connection of its own: the
// session's layout as the person set it, whatever the desktop keeps it in. The keymap arrives
// once the seat has a keyboard and again whenever it changes. Which layout of a multi-layout
// keymap is active is told only to the focused client, so the first layout is used.
class CompositorKeymap {
  public:
    using Changed = std::function<void(std::shared_ptr<const KeymapLookup>)>;

    // Absent when there is no Wayland display to connect to.
    static std::unique_ptr<CompositorKeymap> follow(Changed changed);
    ~CompositorKeymap();

    // Called by the Wayland listeners.
    void seatCapabilities(wl_seat* seat, unsigned capabilities);
    void keymap(int fd, unsigned size);
    void global(wl_registry* registry, unsigned name, const char* interface, unsigned version);

  private:
    explicit CompositorKeymap(Changed changed);

    Changed changed_;
    std::unique_ptr<WaylandConnection> connection_;
    wl_seat* seat_ = nullptr;
    wl_keyboard* keyboard_ = nullptr;
};

}  // namespace joyvane::wayland
