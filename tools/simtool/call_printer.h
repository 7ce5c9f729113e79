#pragma once

#include <string>

#include "platform/sim/call_log.h"

namespace joyvane::simtool {

// One line of output for one platform call, without the line break:
//   0.0167 warp 730.00 450.00
//   0.0167 mouse moved x=730.00 y=450.00 button=0 dx=10 dy=0
//   0.0167 scroll wheel1=-16 wheel2=0
//   1.2500 key down 0 flags=0x0 text="ש"
//   0.5000 panel build | front | out
//   2.0000 open URL | open login-items | reveal PATH | prompt accessibility
std::string formatCall(const sim::LoggedCall& call);

// The virtual time at the start of every line: seconds with four decimals.
std::string formatTime(Time time);

}  // namespace joyvane::simtool
