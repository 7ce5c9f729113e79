#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/scheduler.h"
#include "mapping/button_action.h"
#include "mapping/button_id.h"
#include "mapping/combo_id.h"
#include "platform/accessibility_service.h"
#include "platform/controller_service.h"
#include "platform/geometry.h"
#include "platform/sim/sim_controller.h"
#include "simtool/fields.h"

namespace joyvane::simtool {

// One scenario line, read and checked. Controller input names its controller explicitly: the
// reader has already resolved "the one most recently connected".

// Set-up.
struct ScreenCommand {
    Rect frame;
    Rect visibleFrame;
};
struct PointerCommand {
    Point position;  // global display coordinates
};
struct LanguagesCommand {
    std::vector<std::string> tags;
};
struct TrustedCommand {
    bool trusted;
};
struct ControllerCommand {
    std::string id;
    sim::SimControllerSpec spec;
};
struct PresentCommand {
    std::string id;
};
struct StartCommand {};

// Controller input.
struct ConnectCommand {
    std::string id;
};
struct DisconnectCommand {
    std::string id;
};
enum class Pad { leftStick, rightStick, dpad, touchpad };
struct PadCommand {
    std::string controller;
    Pad pad;
    float x;
    float y;
};
struct ButtonCommand {
    std::string controller;
    sim::SimElement element;
    bool pressed;
};
struct BatteryCommand {
    std::string controller;
    std::optional<BatteryReading> reading;
};

// Desktop.
struct FrontCommand {
    struct App {
        bool isSelf = false;  // the program itself
        std::string identifier;
        int processId = 0;
        std::optional<FocusedElement> focused;  // absent: the focused-element read fails
    };
    std::optional<App> app;  // absent: no frontmost application
};

// What the interface would do.
struct SetCommand {
    Field field;
    std::variant<bool, double> value;
};
struct MapCommand {
    ButtonID button;
    std::optional<ButtonAction> action;  // absent: unmap
};
struct ComboCommand {
    ComboID combo;
    ButtonAction action;
};
enum class InterfaceAction { resetSettings, refreshBattery, toggleKeyboard, reconnect };
struct InterfaceCommand {
    InterfaceAction action;
};
struct LaunchAtLoginCommand {
    bool enabled;
};

// Time and inspection.
struct AtCommand {
    Time time;
};
struct WaitCommand {
    double seconds;
};
struct PrintCommand {
    std::vector<Field> fields;
};

using CommandBody =
    std::variant<ScreenCommand, PointerCommand, LanguagesCommand, TrustedCommand, ControllerCommand,
                 PresentCommand, StartCommand, ConnectCommand, DisconnectCommand, PadCommand,
                 ButtonCommand, BatteryCommand, FrontCommand, SetCommand, MapCommand, ComboCommand,
                 InterfaceCommand, LaunchAtLoginCommand, AtCommand, WaitCommand, PrintCommand>;

struct Command {
    int line;
    CommandBody body;
};

}  // namespace joyvane::simtool
