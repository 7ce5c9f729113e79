#pragma once

#include <QWidget>
#include <string>

#include "ui/controls/binding.h"

class QLabel;

namespace joyvane::ui {

class SwitchButton;
class SymbolLabel;

// One labelled switch: symbol, label, flexible space, switch bound two ways to a boolean.
class ToggleRow : public QWidget {
    Q_OBJECT
  public:
    ToggleRow(const QString& label, const std::string& icon, Binding<bool> isOn,
              QWidget* parent = nullptr);

    // Shows the bound value (without writing it back).
    void refresh();
    void setLabel(const QString& label);

    SwitchButton* switchButton() const { return switch_; }
    QLabel* label() const { return label_; }

  private:
    Binding<bool> isOn_;
    QLabel* label_;
    SwitchButton* switch_;
};

}  // namespace joyvane::ui
