#pragma once

#include <QComboBox>
#include <functional>

#include "mapping/button_action.h"

namespace joyvane::ui {

// A pop-up picker of every action, in catalogue order, each shown with its name in the interface
// language and its symbol. Only the user's choices are reported; showing a value reports nothing.
class ActionPicker : public QComboBox {
  public:
    ActionPicker(bool hebrew, int width, QWidget* parent = nullptr);

    void setAction(ButtonAction action);
    ButtonAction action() const;
    // Called with the action the user picked.
    void onPicked(std::function<void(ButtonAction)> picked);
    // Picks an action as the user would (for tests and keyboard use).
    void pick(ButtonAction action);
};

}  // namespace joyvane::ui
