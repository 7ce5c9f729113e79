#include "ui/controls/battery_badge.h"

#include <QHBoxLayout>
#include <QLabel>

#include "ui/controls/battery_format.h"
#include "ui/controls/style.h"
#include "ui/controls/symbol_label.h"

namespace joyvane::ui {
namespace {
QColor toneColor(BatteryTone tone) {
    switch (tone) {
        case BatteryTone::green:
            return colors::green();
        case BatteryTone::red:
            return colors::red();
        case BatteryTone::primary:
            break;
    }
    return colors::primary();
}
}  // namespace

BatteryBadge::BatteryBadge(QWidget* parent) : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(3);
    symbol_ = new SymbolLabel(17);
    row->addWidget(symbol_);
    percent_ = new QLabel;
    percent_->setFont(systemFont(11, QFont::Medium));
    row->addWidget(percent_);
}

void BatteryBadge::setBattery(float level, std::optional<BatteryState> state) {
    const QColor color = toneColor(batteryTone(level, state));
    symbol_->setSymbol(batterySymbolName(level, state), color);
    setTextIfChanged(percent_, QString::fromStdString(batteryPercentText(level)));
    if (percent_->palette().color(QPalette::WindowText) != color) {
        styleLabel(percent_, percent_->font(), color);
    }
}

}  // namespace joyvane::ui
