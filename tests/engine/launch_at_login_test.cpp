#include "engine_fixture.h"

namespace joyvane::test {
namespace {

using LaunchAtLogin = EngineTest;

TEST_F(LaunchAtLogin, TheSwitchStaysAsItWasWhenTheRegistrationFails) {
    start();
    sim.workspace.launchAtLoginWorks = false;
    int told = 0;
    auto watch = engine->launchAtLogin.willChange.connect([&](const bool&) { ++told; });
    engine->setLaunchAtLogin(true);
    EXPECT_FALSE(engine->launchAtLogin.get());
    EXPECT_EQ(told, 1) << "the switch that was flipped is told to show off again";

    sim.workspace.launchAtLoginWorks = true;
    engine->setLaunchAtLogin(true);
    sim.workspace.launchAtLoginWorks = false;
    engine->setLaunchAtLogin(false);
    EXPECT_TRUE(engine->launchAtLogin.get());
}

}  // namespace
}  // namespace joyvane::test
