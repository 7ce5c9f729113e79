#pragma once

namespace joyvane {

// Family of the attached controller; `none` while no controller is attached.
enum class ControllerType { none, dualShock4, dualSense, generic };

}  // namespace joyvane
