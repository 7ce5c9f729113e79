#pragma once

#include "platform/controller_service.h"
#include "platform/linux/sdl/trigger_threshold.h"

namespace joyvane::linux_input {

// The elements of a controller as the engine sees them, fed by a backend on the main thread.

// A digital button: value 0 or 1.
class DigitalButton final : public ButtonInput {
  public:
    void setPressedChangedHandler(PressedChangedHandler handler) override;
    float value() const override { return pressed_ ? 1.0f : 0.0f; }
    bool isPressed() const override { return pressed_; }
    // Calls the handler only when the state changes.
    void setPressed(bool pressed);

  private:
    PressedChangedHandler handler_;
    bool pressed_ = false;
};

// An analogue trigger: value 0 to 1, pressed by TriggerThreshold.
class AnalogTrigger final : public ButtonInput {
  public:
    void setPressedChangedHandler(PressedChangedHandler handler) override;
    float value() const override { return value_; }
    bool isPressed() const override { return threshold_.pressed(); }
    // Stores the value; calls the handler only when the pressed state changes.
    void setValue(float value);

  private:
    PressedChangedHandler handler_;
    float value_ = 0;
    TriggerThreshold threshold_;
};

// The d-pad or a touchpad surface.
class Pad final : public DirectionPad {
  public:
    void setValueChangedHandler(ValueChangedHandler handler) override;
    float x() const override { return x_; }
    float y() const override { return y_; }
    // Stores the values; calls the handler when either changed, or in any case with `always`.
    void setValue(float x, float y, bool always = false);
    // Stores the values without telling anyone (a finger lifted from the touchpad).
    void reset(float x, float y) {
        x_ = x;
        y_ = y;
    }

  private:
    ValueChangedHandler handler_;
    float x_ = 0;
    float y_ = 0;
};

class Stick final : public Thumbstick {
  public:
    float x() const override { return x_; }
    float y() const override { return y_; }
    void setX(float x) { x_ = x; }
    void setY(float y) { y_ = y; }

  private:
    float x_ = 0;
    float y_ = 0;
};

}  // namespace joyvane::linux_input
