#pragma once

namespace joyvane::ui {

// What keeps the program from posting input on a Wayland session.
enum class UinputProblem { none, missing, notWritable };

}  // namespace joyvane::ui
