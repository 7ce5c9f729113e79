#pragma once

#include <QIcon>

namespace joyvane::app {

// The program's icon, drawn once as SVG and built into the program; every window carries it.
QIcon applicationIcon();

}  // namespace joyvane::app
