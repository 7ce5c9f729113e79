#pragma once

#include <QFrame>

#include "ui/main_panel/panel_context.h"

class QLabel;
class QToolButton;

namespace joyvane::ui {

class SymbolLabel;

// Connection and control state, with the state symbol or the Force-reconnect button.
class StatusCard : public QFrame {
    Q_OBJECT
  public:
    explicit StatusCard(const PanelContext& context, QWidget* parent = nullptr);

    void refresh(bool hebrew);

    SymbolLabel* statusIcon() const { return icon_; }
    QWidget* statusIconCircle() const { return circle_; }
    QLabel* titleLine() const { return title_; }
    QLabel* detailLine() const { return detail_; }
    QWidget* textBlock() const { return texts_; }
    SymbolLabel* stateSymbol() const { return state_; }
    QToolButton* reconnectButton() const { return reconnect_; }

  private:
    void forceReconnect();

    const PanelContext& context_;
    QWidget* circle_;
    SymbolLabel* icon_;
    QWidget* texts_;
    QLabel* title_;
    QLabel* detail_;
    SymbolLabel* state_;
    QToolButton* reconnect_;
};

}  // namespace joyvane::ui
