#pragma once

#include <QAbstractButton>

namespace joyvane::ui {

// An on/off switch without a label: a rounded track with a sliding knob. Greyed while disabled.
class SwitchButton : public QAbstractButton {
    Q_OBJECT
  public:
    explicit SwitchButton(QWidget* parent = nullptr);

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace joyvane::ui
