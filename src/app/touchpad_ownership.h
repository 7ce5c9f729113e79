#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "core/scheduler.h"
#include "core/signal.h"

namespace joyvane {
class ControllerManager;
}

namespace joyvane::x11 {
class TouchpadOwner;
}

namespace joyvane::app {

// Takes the controller's kernel touchpad device away from the desktop while the program's own
// touchpad pointer is in use (touchpad pointer on, control on, a controller with a touchpad
// attached) and gives it back as soon as any of that ends. While it holds the touchpad it looks
// again every two seconds, as the kernel device may appear a moment after the controller.
// The first decision comes on the next turn of the loop.
class TouchpadOwnership {
  public:
    TouchpadOwnership(ControllerManager& manager, Scheduler& scheduler, x11::TouchpadOwner& owner);
    ~TouchpadOwnership();
    TouchpadOwnership(const TouchpadOwnership&) = delete;
    TouchpadOwnership& operator=(const TouchpadOwnership&) = delete;

    static constexpr double kRecheckInterval = 2.0;

  private:
    bool wanted() const;
    void schedule();
    void apply();

    ControllerManager& manager_;
    Scheduler& scheduler_;
    x11::TouchpadOwner& owner_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    bool pending_ = false;
    std::optional<bool> decided_;
    std::shared_ptr<ScheduledTask> recheck_;
    std::vector<Subscription> subscriptions_;
};

}  // namespace joyvane::app
