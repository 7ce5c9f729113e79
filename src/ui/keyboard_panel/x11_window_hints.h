#pragma once

#include <QWindow>

namespace joyvane::ui::x11 {

// Asks the window manager to keep the window above others and on every workspace. Before the
// window is mapped the properties are written directly; once mapped, the requests go to the root
// window as the window-manager protocol asks.
void showOnAllDesktopsAbove(WId window, bool mapped);

}  // namespace joyvane::ui::x11
