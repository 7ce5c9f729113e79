#include "app/backend_choice.h"

#include <gtest/gtest.h>

namespace joyvane::app {
namespace {

TEST(BackendChoice, TheSessionDecidesAndTheOverrideWins) {
    using B = SessionBackend;
    struct Case {
        SessionEnvironment environment;
        B backend;
        bool warned;
    };
    const Case cases[] = {
        {{"x11", "", ""}, B::x11, false},
        {{"", "", ""}, B::x11, false},  // no session type at all: a plain X server
        {{"tty", "", ""}, B::x11, false},
        {{"wayland", "", ""}, B::wayland, false},
        {{"", "wayland-0", ""}, B::wayland, false},
        {{"x11", "wayland-1", ""}, B::wayland, false},  // a nested compositor
        {{"wayland", "wayland-0", "x11"}, B::x11, false},
        {{"x11", "", "wayland"}, B::wayland, false},
        {{"wayland", "", "mir"}, B::wayland, true},
        {{"x11", "", "WAYLAND"}, B::x11, true},
    };
    for (const Case& c : cases) {
        BackendChoice choice = chooseBackend(c.environment);
        std::string label = c.environment.sessionType + "/" + c.environment.waylandDisplay + "/" +
                            c.environment.override;
        EXPECT_EQ(choice.backend, c.backend) << label;
        EXPECT_STREQ(choice.qtPlatform, c.backend == B::wayland ? "wayland" : "xcb") << label;
        EXPECT_EQ(!choice.warning.empty(), c.warned) << label;
    }
}

}  // namespace
}  // namespace joyvane::app
