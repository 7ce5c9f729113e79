#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

#include "support/text_app.h"

// Questions to an X display from its own short connection, as any other client would ask:
// where the pointer is, which windows exist, and a key typed by a "user".
namespace joyvane::testing {

struct XWindowInfo {
    unsigned long id = 0;
    unsigned long parent = 0;
    std::string name;  // _NET_WM_NAME
    pid_t pid = 0;     // _NET_WM_PID, 0 when not set
    bool viewable = false;
    Box box;  // in root coordinates
};

std::optional<Box> pointerPosition(const std::string& display);
// Whether pointer button 1 is down.
bool leftButtonDown(const std::string& display);

// The viewable windows of process `pid`.
std::vector<XWindowInfo> viewableWindowsOf(const std::string& display, pid_t pid);
// The windows that the tray host has embedded (the icons of other programs), with the process
// id they carry.
std::vector<XWindowInfo> trayIcons(const std::string& display);

// Whether a client owns the selection `name` (a window manager owns WM_S0, a tray host
// _NET_SYSTEM_TRAY_S0).
bool selectionOwned(const std::string& display, const std::string& name);

// The window that has the keyboard focus, described; empty when none.
std::string focusedWindow(const std::string& display);

// Asks a window to close, as its title bar's close button does (WM_DELETE_WINDOW).
bool closeWindow(const std::string& display, unsigned long window);
// Breaks the connection of the client that made `window`, as xkill does.
bool killClient(const std::string& display, unsigned long window);

// Presses and releases a key ("Tab") with XTest; true once the server has it.
bool typeKey(const std::string& display, const std::string& keysymName);
// Moves the pointer to (x, y) and clicks button 1 there.
bool clickAt(const std::string& display, int x, int y);

}  // namespace joyvane::testing
