#pragma once

#include <QWidget>
#include <optional>

#include "platform/controller_service.h"

class QLabel;

namespace joyvane::ui {

class SymbolLabel;

// Battery symbol and percentage, coloured by charge and state.
class BatteryBadge : public QWidget {
    Q_OBJECT
  public:
    explicit BatteryBadge(QWidget* parent = nullptr);

    void setBattery(float level, std::optional<BatteryState> state);

    SymbolLabel* symbol() const { return symbol_; }
    QLabel* percent() const { return percent_; }

  private:
    SymbolLabel* symbol_;
    QLabel* percent_;
};

}  // namespace joyvane::ui
