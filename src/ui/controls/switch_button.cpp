#include "ui/controls/switch_button.h"

#include <QPainter>

#include "ui/controls/style.h"

namespace joyvane::ui {

SwitchButton::SwitchButton(QWidget* parent) : QAbstractButton(parent) {
    setCheckable(true);
    setCursor(Qt::PointingHandCursor);
    setFixedSize(sizeHint());
}

QSize SwitchButton::sizeHint() const {
    return {38, 22};
}

void SwitchButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF track = QRectF(rect()).adjusted(1, 1, -1, -1);
    QColor trackColor = isChecked() ? colors::green() : QColor(120, 120, 128, 60);
    if (!isEnabled()) {
        trackColor = colors::withOpacity(trackColor, 0.4);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(trackColor);
    p.drawRoundedRect(track, track.height() / 2, track.height() / 2);
    const double knob = track.height() - 4;
    // The "on" end is the trailing one, so it mirrors with a right-to-left layout.
    const bool knobAtRight = isChecked() != (layoutDirection() == Qt::RightToLeft);
    const double x = knobAtRight ? track.right() - 2 - knob : track.left() + 2;
    p.setBrush(isEnabled() ? QColor(Qt::white) : QColor(250, 250, 250, 200));
    p.setPen(QPen(QColor(0, 0, 0, 30), 0.5));
    p.drawEllipse(QRectF(x, track.top() + 2, knob, knob));
}

}  // namespace joyvane::ui
