#pragma once

namespace joyvane::linux_input {

// Decides when an analogue trigger counts as pressed. Two thresholds (hysteresis) keep a
// trigger resting near one of them from flickering between pressed and released.
class TriggerThreshold {
  public:
    static constexpr float kPressAt = 0.30f;       // pressed once the value reaches this
    static constexpr float kReleaseBelow = 0.20f;  // released once it falls below this

    // Feeds a new value; returns true when the pressed state changed.
    bool update(float value) {
        bool next = pressed_ ? value >= kReleaseBelow : value >= kPressAt;
        bool changed = next != pressed_;
        pressed_ = next;
        return changed;
    }
    bool pressed() const { return pressed_; }

  private:
    bool pressed_ = false;
};

}  // namespace joyvane::linux_input
