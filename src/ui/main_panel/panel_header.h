#pragma once

#include <QWidget>

#include "ui/main_panel/panel_context.h"

class QLabel;
class QToolButton;

namespace joyvane::ui {

class BatteryBadge;
class SwitchButton;
class SymbolLabel;

// The fixed top row: controller symbol, name, battery, master switch and Quit.
class PanelHeader : public QWidget {
    Q_OBJECT
  public:
    PanelHeader(const PanelContext& context, std::function<void()> quit, QWidget* parent = nullptr);

    void refresh(bool hebrew);

    SymbolLabel* controllerSymbol() const { return symbol_; }
    QLabel* controllerName() const { return name_; }
    BatteryBadge* batteryBadge() const { return battery_; }
    SwitchButton* masterSwitch() const { return master_; }
    QToolButton* quitButton() const { return quit_; }

  private:
    const PanelContext& context_;
    SymbolLabel* symbol_;
    QLabel* name_;
    BatteryBadge* battery_;
    SwitchButton* master_;
    QToolButton* quit_;
};

}  // namespace joyvane::ui
