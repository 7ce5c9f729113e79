#include "engine_fixture.h"

namespace joyvane::test {
namespace {

// A desktop where the launch-at-login entry cannot be written (or, later, can).
class RefusingWorkspace final : public Workspace {
  public:
    bool works = false;
    void openURL(const std::string&) override {}
    void revealFile(const std::string&) override {}
    bool setLaunchAtLogin(bool) override { return works; }
    bool isLaunchAtLoginRegistered() const override { return false; }
};

class LaunchAtLogin : public EngineTest {
  protected:
    RefusingWorkspace refusing;
    void startOnRefusingDesktop() {
        Platform platform = sim.platform();
        engine = std::make_unique<ControllerManager>(
            Platform{platform.scheduler, platform.controllers, platform.poster, platform.screens,
                     platform.accessibility, refusing, platform.languages, platform.panels},
            mouse, keyboard);
    }
};

TEST_F(LaunchAtLogin, TheSwitchStaysAsItWasWhenTheEntryCannotBeChanged) {
    startOnRefusingDesktop();
    int told = 0;
    auto watch = engine->launchAtLogin.willChange.connect([&](const bool&) { ++told; });
    engine->setLaunchAtLogin(true);
    EXPECT_FALSE(engine->launchAtLogin.get());
    EXPECT_EQ(told, 1) << "the switch that was flipped is told to show off again";

    refusing.works = true;
    engine->setLaunchAtLogin(true);
    refusing.works = false;
    engine->setLaunchAtLogin(false);
    EXPECT_TRUE(engine->launchAtLogin.get());
}

}  // namespace
}  // namespace joyvane::test
