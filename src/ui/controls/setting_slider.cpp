#include "ui/controls/setting_slider.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>
#include <cmath>

#include "ui/controls/style.h"
#include "ui/controls/symbol_label.h"

namespace joyvane::ui {

QString formatSettingValue(double value) {
    return QString::asprintf("%.1f", value);
}

SettingSlider::SettingSlider(const QString& label, const std::string& icon, Binding<double> value,
                             ClosedRange range, QWidget* parent)
    : QWidget(parent), binding_(std::move(value)), range_(range) {
    QHBoxLayout* row = settingsRowWithSymbol(this, icon);
    label_ = new QLabel(label);
    label_->setFixedWidth(110);
    label_->setAlignment(Qt::AlignLeading | Qt::AlignVCenter);
    styleLabel(label_, textFont(TextStyle::caption), colors::primary());
    row->addWidget(label_);
    slider_ = new QSlider(Qt::Horizontal);
    slider_->setRange(0, kSteps);
    slider_->setPageStep(kSteps / 20);
    slider_->setSingleStep(kSteps / 100);
    row->addWidget(slider_, 1);
    value_ = new QLabel;
    value_->setFixedWidth(30);
    value_->setAlignment(Qt::AlignTrailing | Qt::AlignVCenter);
    styleLabel(value_, textFont(TextStyle::caption2), colors::secondary());
    row->addWidget(value_);

    connect(slider_, &QSlider::valueChanged, this, [this](int position) {
        binding_.set(valueAt(position));
        setTextIfChanged(value_, formatSettingValue(binding_.get()));
    });
    refresh();
}

int SettingSlider::positionFor(double value) const {
    const double span = range_.upper - range_.lower;
    if (!(span > 0) || std::isnan(value)) {
        return 0;
    }
    const double fraction = std::clamp((value - range_.lower) / span, 0.0, 1.0);
    return static_cast<int>(std::lround(fraction * kSteps));
}

double SettingSlider::valueAt(int position) const {
    if (position <= 0) {
        return range_.lower;
    }
    if (position >= kSteps) {
        return range_.upper;
    }
    return range_.lower + (range_.upper - range_.lower) * position / kSteps;
}

void SettingSlider::refresh() {
    const double value = binding_.get();
    const int position = positionFor(value);
    // A position that already stands for this value stays, so the handle does not jitter.
    if (slider_->value() != position) {
        const QSignalBlocker block(slider_);
        slider_->setValue(position);
    }
    setTextIfChanged(value_, formatSettingValue(value));
}

void SettingSlider::setLabel(const QString& label) {
    setTextIfChanged(label_, label);
}

}  // namespace joyvane::ui
