#pragma once

#include "mapping/button_action.h"

namespace joyvane {

class MouseController;
class PSKeyboardController;

// Carries an action out: clicks (held clicks set the drag flags), keys, shortcuts, the keyboard.
// toggleEnable does nothing here; dispatch toggles control itself.
void perform(ButtonAction action, bool pressed, MouseController& mouse,
             PSKeyboardController& keyboard);

}  // namespace joyvane
