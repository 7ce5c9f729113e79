#pragma once

#include <QWidget>

#include "ui/main_panel/panel_context.h"

namespace joyvane::ui {

class StickView;

// Both sticks, live: the left one moves the pointer (orange while a left click drags), the
// right one scrolls.
class SticksRow : public QWidget {
    Q_OBJECT
  public:
    explicit SticksRow(const PanelContext& context, QWidget* parent = nullptr);

    void refresh(bool hebrew);

    StickView* mouseStick() const { return mouse_; }
    StickView* scrollStick() const { return scroll_; }

  private:
    const PanelContext& context_;
    StickView* mouse_;
    StickView* scroll_;
};

}  // namespace joyvane::ui
