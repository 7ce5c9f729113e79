#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/sim/sim_platform.h"
#include "simtool/commands.h"

namespace joyvane {
class ControllerManager;
class MouseController;
class PSKeyboardController;
namespace linux_desktop {
class SettingsStorage;
}
}  // namespace joyvane

namespace joyvane::simtool {

// Runs checked scenario commands against the real engine and keyboard controller on the sim
// platform, writing one line per platform call (and per print) to `out` as it happens.
class ScenarioRunner {
  public:
    // With `settingsFile`, the engine reads its settings from that file at start and writes
    // them there after changes and at the end of the run, as the program does.
    explicit ScenarioRunner(std::ostream& out,
                            std::optional<std::filesystem::path> settingsFile = std::nullopt);
    ~ScenarioRunner();
    ScenarioRunner(const ScenarioRunner&) = delete;
    ScenarioRunner& operator=(const ScenarioRunner&) = delete;

    void run(const std::vector<Command>& commands);
    void run(const CommandBody& command);

  private:
    void apply(const ScreenCommand& c);
    void apply(const PointerCommand& c);
    void apply(const LanguagesCommand& c);
    void apply(const TrustedCommand& c);
    void apply(const ControllerCommand& c);
    void apply(const PresentCommand& c);
    void apply(const StartCommand& c);
    void apply(const ConnectCommand& c);
    void apply(const DisconnectCommand& c);
    void apply(const PadCommand& c);
    void apply(const ButtonCommand& c);
    void apply(const BatteryCommand& c);
    void apply(const FrontCommand& c);
    void apply(const SetCommand& c);
    void apply(const MapCommand& c);
    void apply(const ComboCommand& c);
    void apply(const InterfaceCommand& c);
    void apply(const LaunchAtLoginCommand& c);
    void apply(const AtCommand& c);
    void apply(const WaitCommand& c);
    void apply(const PrintCommand& c);

    sim::SimController& controller(const std::string& id);

    std::ostream& out_;
    sim::SimPlatform platform_;
    std::map<std::string, std::shared_ptr<sim::SimController>> controllers_;
    bool defaultScreens_ = true;
    std::optional<Point> setupPointer_;
    // Created by start, destroyed before the platform they use (reverse order of members).
    std::unique_ptr<MouseController> mouse_;
    std::unique_ptr<PSKeyboardController> keyboard_;
    std::unique_ptr<ControllerManager> engine_;
    std::optional<std::filesystem::path> settingsFile_;
    std::unique_ptr<linux_desktop::SettingsStorage> settings_;
};

}  // namespace joyvane::simtool
