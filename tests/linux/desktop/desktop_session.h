#pragma once

#include <gtest/gtest.h>

#include <cstdlib>

// The desktop tests need the session bus (and, when `needsDisplay`, the X display) that
// scripts/with-desktop.sh starts.
#define JOYVANE_REQUIRE_DESKTOP(needsDisplay)                \
    ASSERT_TRUE(std::getenv("DBUS_SESSION_BUS_ADDRESS") &&   \
                (!(needsDisplay) || std::getenv("DISPLAY"))) \
        << "no session bus or X display: run the tests inside scripts/with-desktop.sh"
