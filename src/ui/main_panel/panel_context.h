#pragma once

#include <QString>
#include <functional>

#include "core/language.h"
#include "mapping/maps.h"
#include "ui/controls/reading_direction.h"
#include "ui/main_panel/uinput_problem.h"

namespace joyvane {
class ControllerManager;
class PSKeyboardController;
class MouseController;
class AccessibilityService;
class Workspace;
}  // namespace joyvane

namespace joyvane::ui {

// The shared objects the main panel reads and drives.
struct PanelContext {
    ControllerManager& manager;
    PSKeyboardController& keyboard;
    MouseController& mouse;
    AccessibilityService& accessibility;
    Workspace& workspace;
    const LanguageSource& languages;
};

// What the panel asks of the program around it.
struct PanelActions {
    using SaveMap = std::function<void(const ButtonMap&)>;
    // Opens (or brings forward) the Button Mapping window.
    std::function<void(const ButtonMap& initialMap, SaveMap onSave, std::function<void()> onReset)>
        openRemap;
    // Opens (or brings forward) the Advanced window.
    std::function<void()> openAdvanced;
    // Ends the program.
    std::function<void()> quit;
    // This program's own file, revealed when the user cannot find it in the settings.
    QString executablePath;
    // On a Wayland session without a usable /dev/uinput: the banner that says so.
    UinputProblem uinputProblem = UinputProblem::none;
};

// The text of the interface language, Hebrew marked right to left.
inline QString panelText(bool hebrew, const char* english, const char* hebrewText) {
    return interfaceText(hebrew, english, hebrewText);
}

}  // namespace joyvane::ui
