#pragma once

#include <QPixmap>
#include <QString>
#include <optional>
#include <string>

#include "platform/controller_service.h"

namespace joyvane::app {

// What the tray label shows, worked out from the engine's state.
struct TrayLabel {
    std::string controllerSymbol;  // "gamecontroller.fill" while connected and enabled
    bool bolt = false;             // charging
    std::string percent;           // empty when there is no level or no controller
    double opacity = 1.0;          // 0.4 while no controller is connected

    friend bool operator==(const TrayLabel&, const TrayLabel&) = default;
};

struct TrayState {
    bool connected = false;
    bool enabled = false;
    std::optional<BatteryState> batteryState;
    std::optional<float> batteryLevel;
};

TrayLabel trayLabelFor(const TrayState& state);

// The label drawn into a square tray icon of `size` pixels: the controller symbol above, the
// bolt and percentage below it, all at the label's opacity.
QPixmap renderTrayLabel(const TrayLabel& label, int size);

// The same facts in words.
QString trayToolTip(const TrayState& state, bool hebrew);

}  // namespace joyvane::app
