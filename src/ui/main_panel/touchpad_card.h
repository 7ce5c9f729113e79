#pragma once

#include "ui/controls/card_section.h"
#include "ui/main_panel/panel_context.h"

class QFrame;

namespace joyvane::ui {

class SettingSlider;
class ToggleRow;

// Touchpad pointer switch and, while it is on, its sensitivity.
class TouchpadCard : public CardSection {
    Q_OBJECT
  public:
    explicit TouchpadCard(const PanelContext& context, QWidget* parent = nullptr);

    void refresh(bool hebrew);

    ToggleRow* movement() const { return movement_; }
    SettingSlider* sensitivity() const { return sensitivity_; }

  private:
    const PanelContext& context_;
    ToggleRow* movement_;
    QFrame* divider_;
    SettingSlider* sensitivity_;
};

}  // namespace joyvane::ui
