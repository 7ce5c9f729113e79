#pragma once

#include <QFrame>

#include "ui/main_panel/uinput_problem.h"

class QLabel;

namespace joyvane::ui {

// Shown on a Wayland session while /dev/uinput is missing or not writable: the controller
// cannot move the pointer or type, what is missing, and the command that fixes it.
class UinputBanner : public QFrame {
    Q_OBJECT
  public:
    explicit UinputBanner(UinputProblem problem, QWidget* parent = nullptr);

    void refresh(bool hebrew);

    QLabel* title() const { return title_; }
    QLabel* explanation() const { return explanation_; }
    QLabel* command() const { return command_; }

  private:
    UinputProblem problem_;
    QLabel* title_;
    QLabel* explanation_;
    QLabel* command_;
};

}  // namespace joyvane::ui
