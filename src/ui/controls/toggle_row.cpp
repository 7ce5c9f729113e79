#include "ui/controls/toggle_row.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>

#include "ui/controls/style.h"
#include "ui/controls/switch_button.h"
#include "ui/controls/symbol_label.h"

namespace joyvane::ui {

ToggleRow::ToggleRow(const QString& label, const std::string& icon, Binding<bool> isOn,
                     QWidget* parent)
    : QWidget(parent), isOn_(std::move(isOn)) {
    QHBoxLayout* row = settingsRowWithSymbol(this, icon);
    label_ = new QLabel(label);
    styleLabel(label_, textFont(TextStyle::caption), colors::primary());
    row->addWidget(label_);
    row->addStretch(1);
    switch_ = new SwitchButton;
    row->addWidget(switch_);
    connect(switch_, &SwitchButton::toggled, this, [this](bool on) { isOn_.set(on); });
    refresh();
}

void ToggleRow::refresh() {
    const bool on = isOn_.get();
    if (switch_->isChecked() != on) {
        const QSignalBlocker block(switch_);
        switch_->setChecked(on);
        switch_->update();
    }
}

void ToggleRow::setLabel(const QString& label) {
    setTextIfChanged(label_, label);
}

}  // namespace joyvane::ui
