#pragma once

#include "ui/controls/card_section.h"
#include "ui/main_panel/panel_context.h"

class QFrame;
class QLabel;

namespace joyvane::ui {

class SymbolButton;
class ToggleRow;

// Launch at login, auto-enable, the on-screen keyboard feature and its show/hide button.
class BehaviorCard : public CardSection {
    Q_OBJECT
  public:
    explicit BehaviorCard(const PanelContext& context, QWidget* parent = nullptr);

    void refresh(bool hebrew);

    ToggleRow* launchAtLogin() const { return launch_; }
    ToggleRow* autoEnable() const { return autoEnable_; }
    ToggleRow* keyboardFeature() const { return keyboard_; }
    SymbolButton* keyboardButton() const { return keyboardButton_; }
    // Shown after the launch-at-login switch could not be turned on.
    QLabel* launchFailure() const { return launchFailure_; }

  private:
    const PanelContext& context_;
    ToggleRow* launch_;
    QLabel* launchFailure_;
    ToggleRow* autoEnable_;
    ToggleRow* keyboard_;
    QFrame* keyboardDivider_;
    SymbolButton* keyboardButton_;
};

}  // namespace joyvane::ui
