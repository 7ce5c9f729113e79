#pragma once

#include <memory>
#include <optional>
#include <string>

#include "core/scheduler.h"
#include "platform/linux/x11/x11_connection.h"
#include "platform/linux/x11/x11_event_poster.h"
#include "platform/linux/x11/x11_screen_service.h"

namespace joyvane::x11 {

// Event posting and screens on one X connection. Destroy the poster first (members are
// destroyed in reverse order) so it can let go of held buttons and keys.
struct X11Backend {
    std::shared_ptr<X11Connection> connection;
    std::unique_ptr<X11ScreenService> screens;
    std::unique_ptr<X11EventPoster> poster;
};

// Connects to `displayName` ($DISPLAY when null). Absent when there is no usable X display or
// it lacks XTest; `error` then holds one sentence for the user (print it and exit with 1).
std::optional<X11Backend> openX11Backend(Scheduler& scheduler, std::string* error,
                                         const char* displayName = nullptr);

}  // namespace joyvane::x11
