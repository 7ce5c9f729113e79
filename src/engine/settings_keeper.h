#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/scheduler.h"
#include "core/signal.h"

namespace joyvane {

class ControllerManager;

// Hands the settings document to `write` after the settings change: a burst of changes (a
// slider being dragged) gives one write, `delay` seconds after the last change. A reset is a
// change like any other.
class SettingsKeeper {
  public:
    using Write = std::function<void(std::string document)>;
    static constexpr double kDefaultDelay = 0.5;

    SettingsKeeper(ControllerManager& manager, Scheduler& scheduler, Write write,
                   double delay = kDefaultDelay);
    ~SettingsKeeper();
    SettingsKeeper(const SettingsKeeper&) = delete;
    SettingsKeeper& operator=(const SettingsKeeper&) = delete;

    // Writes now what a change left pending; nothing when nothing is pending.
    void flush();
    // Asks for a write as if a setting had changed.
    void changed();

  private:
    ControllerManager& manager_;
    Scheduler& scheduler_;
    Write write_;
    double delay_;
    bool pending_ = false;
    std::shared_ptr<ScheduledTask> timer_;
    std::vector<Subscription> subscriptions_;
};

}  // namespace joyvane
