#include "app/touchpad_ownership.h"

#include "engine/controller_manager.h"
#include "platform/linux/x11/touchpad_owner.h"

namespace joyvane::app {

TouchpadOwnership::TouchpadOwnership(ControllerManager& manager, Scheduler& scheduler,
                                     x11::TouchpadOwner& owner)
    : manager_(manager), scheduler_(scheduler), owner_(owner) {
    subscriptions_.push_back(manager_.objectWillChange.connect([this] { schedule(); }));
    schedule();
}

TouchpadOwnership::~TouchpadOwnership() {
    if (recheck_) {
        recheck_->cancel();
    }
}

bool TouchpadOwnership::wanted() const {
    return manager_.touchpadEnabled.get() && manager_.isEnabled().get() &&
           manager_.isConnected.get() && manager_.hasTouchpad.get();
}

// The engine announces a change before it makes it: decide on the next turn, once the new
// values are in place, and only once for a burst of changes.
void TouchpadOwnership::schedule() {
    if (pending_) {
        return;
    }
    pending_ = true;
    scheduler_.post([this, alive = std::weak_ptr<bool>(alive_)] {
        if (alive.lock()) {
            pending_ = false;
            apply();
        }
    });
}

void TouchpadOwnership::apply() {
    const bool own = wanted();
    // The engine changes many times a second while the sticks move: only a change of the
    // decision asks the X server anything; the recheck finds touchpads that appear later.
    if (decided_ == own) {
        return;
    }
    decided_ = own;
    owner_.update(own);
    if (own) {
        recheck_ =
            scheduler_.runEvery(kRecheckInterval, [this, alive = std::weak_ptr<bool>(alive_)] {
                if (alive.lock()) {
                    owner_.update(wanted());
                }
            });
    } else if (recheck_) {
        recheck_->cancel();
        recheck_.reset();
    }
}

}  // namespace joyvane::app
