#pragma once

#include "platform/linux/wayland/clipboard_typing.h"

namespace joyvane::wayland {

// The Wayland clipboard through wl-clipboard's wl-copy and wl-paste. They reach the clipboard
// without keyboard focus (through the data-control protocol where the compositor offers it),
// which the program itself cannot: a client may only set the selection while it has focus, and
// the keyboard panel never takes it. Each call waits at most a second.
class WlClipboard final : public TextClipboard {
  public:
    std::optional<std::string> read() override;
    bool write(const std::string& text) override;
    void clear() override;

    // Whether wl-copy and wl-paste are installed.
    static bool available();
};

}  // namespace joyvane::wayland
