#pragma once

#include <QWidget>
#include <string>

#include "ui/controls/binding.h"

class QLabel;
class QSlider;

namespace joyvane::ui {

class SymbolLabel;

struct ClosedRange {
    double lower;
    double upper;
};

// One labelled continuous slider over a closed range, bound two ways to a double, with the
// current value shown as "%.1f".
class SettingSlider : public QWidget {
    Q_OBJECT
  public:
    // Slider positions per range: fine enough that any value a person can pick is reachable.
    static constexpr int kSteps = 10000;

    SettingSlider(const QString& label, const std::string& icon, Binding<double> value,
                  ClosedRange range, QWidget* parent = nullptr);

    // Shows the bound value (without writing it back). A value outside the range puts the
    // handle at the nearer end; the number shows the value itself.
    void refresh();
    void setLabel(const QString& label);

    QSlider* slider() const { return slider_; }
    QLabel* valueLabel() const { return value_; }
    QLabel* label() const { return label_; }
    ClosedRange range() const { return range_; }

    // The slider position that shows `value`, and the value of a position.
    int positionFor(double value) const;
    double valueAt(int position) const;

  private:
    Binding<double> binding_;
    ClosedRange range_;
    QLabel* label_;
    QSlider* slider_;
    QLabel* value_;
};

// The value as the slider shows it: one decimal, as C's "%.1f".
QString formatSettingValue(double value);

}  // namespace joyvane::ui
