#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/scheduler.h"
#include "core/signal.h"
#include "platform/controller_service.h"
#include "platform/linux/sdl/power_supply.h"

namespace joyvane::linux_input {

class SdlController;

// Game controllers through SDL2. Everything runs on the main thread: SDL is pumped from a
// scheduler timer, every millisecond while a controller is in use (so a press reaches its
// handler within about a millisecond), at the input loop's rate once every control has rested
// for a second, and twice a second while no controller is connected (to notice new ones without
// keeping the processor awake). Handlers and notices are called from the pump, so they run on
// the main thread.
class SdlControllerService final : public ControllerService {
  public:
    struct Options {
        std::filesystem::path sysfsRoot = "/sys";  // where the power supplies are read
        double activeInterval = 0.001;             // pump period while a controller is in use
        double restingInterval = 1.0 / 60.0;       // pump period once every control has rested
        double restAfter = 1.0;                    // seconds without input before resting
        double idleInterval = 0.5;                 // pump period while no controller is connected
    };

    // Initialises SDL's game-controller subsystem and picks up the controllers already
    // connected. Null, with a one-sentence reason in `error`, when SDL cannot start.
    static std::unique_ptr<SdlControllerService> create(Scheduler& scheduler, Options options,
                                                        std::string* error = nullptr);
    ~SdlControllerService() override;
    SdlControllerService(const SdlControllerService&) = delete;
    SdlControllerService& operator=(const SdlControllerService&) = delete;

    void setShouldMonitorBackgroundEvents(bool monitor) override;
    void startWirelessControllerDiscovery() override {}  // pairing is the desktop's business
    std::vector<std::shared_ptr<Controller>> controllers() const override;
    [[nodiscard]] Subscription onDidConnect(ConnectHandler handler) override;
    [[nodiscard]] Subscription onDidDisconnect(ConnectHandler handler) override;

    // Reads SDL's pending events and delivers them. The timer calls this; tests may too.
    void pump();
    // The current pump period, for tests.
    double pumpInterval() const { return pumpInterval_; }

  private:
    SdlControllerService(Scheduler& scheduler, Options options);

    void connect(int deviceIndex);
    void disconnect(int instanceId);
    SdlController* find(int instanceId) const;
    void schedulePump();

    Scheduler& scheduler_;
    Options options_;
    PowerSupplyReader power_;
    std::vector<std::shared_ptr<SdlController>> controllers_;  // in connection order
    Signal<const std::shared_ptr<Controller>&> connected_;
    Signal<const std::shared_ptr<Controller>&> disconnected_;
    std::shared_ptr<ScheduledTask> pumpTimer_;
    double pumpInterval_ = 0;
    Time lastInput_ = kDistantPast;
    bool pumping_ = false;
};

}  // namespace joyvane::linux_input
