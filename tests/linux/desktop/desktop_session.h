#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace joyvane::testing {

// The desktop tests need the private desktop that scripts/with-desktop.sh starts. Without it
// they fail with a clear message, or are skipped when JOYVANE_ALLOW_SKIP is set.
#define JOYVANE_REQUIRE_DESKTOP(needsDisplay)                                        \
    do {                                                                             \
        std::string missing = ::joyvane::testing::missingDesktopParts(needsDisplay); \
        if (!missing.empty()) {                                                      \
            if (std::getenv("JOYVANE_ALLOW_SKIP")) {                                 \
                GTEST_SKIP() << "no " << missing;                                    \
            }                                                                        \
            FAIL() << "no " << missing                                               \
                   << ": run the tests inside scripts/with-desktop.sh (or set "      \
                      "JOYVANE_ALLOW_SKIP=1 to skip them)";                          \
        }                                                                            \
    } while (false)

inline std::string missingDesktopParts(bool needsDisplay) {
    std::string missing;
    if (!std::getenv("DBUS_SESSION_BUS_ADDRESS")) {
        missing = "session bus (DBUS_SESSION_BUS_ADDRESS)";
    }
    if (needsDisplay && !std::getenv("DISPLAY")) {
        missing += missing.empty() ? "X display (DISPLAY)" : " and no X display (DISPLAY)";
    }
    return missing;
}

}  // namespace joyvane::testing
