#pragma once

#include "ui/controls/card_section.h"
#include "ui/main_panel/panel_context.h"

namespace joyvane::ui {

class SettingSlider;
class ToggleRow;

// Pointer and scroll settings with their reset.
class SettingsCard : public CardSection {
    Q_OBJECT
  public:
    explicit SettingsCard(const PanelContext& context, QWidget* parent = nullptr);

    void refresh(bool hebrew);

    SettingSlider* mouseSpeed() const { return speed_; }
    SettingSlider* scrollSpeed() const { return scroll_; }
    SettingSlider* deadZone() const { return deadzone_; }
    SettingSlider* acceleration() const { return acceleration_; }
    ToggleRow* naturalScrolling() const { return natural_; }

  private:
    const PanelContext& context_;
    SettingSlider* speed_;
    SettingSlider* scroll_;
    SettingSlider* deadzone_;
    SettingSlider* acceleration_;
    ToggleRow* natural_;
};

}  // namespace joyvane::ui
