#include "ui/windows/battery_widgets.h"

#include <QPainter>
#include <QPainterPath>

#include "info/battery_format.h"
#include "ui/controls/style.h"
#include "ui/windows/appearance.h"

namespace joyvane::ui {

LevelBar::LevelBar(QWidget* parent) : QWidget(parent) {
    setFixedSize(static_cast<int>(kLevelBarWidth), static_cast<int>(kLevelBarHeight));
    animation_.setDuration(400);
    animation_.setEasingCurve(appearance::easeOut());
    QObject::connect(&animation_, &QVariantAnimation::valueChanged, this,
                     [this](const QVariant& v) {
                         current_ = v.toDouble();
                         update();
                     });
}

void LevelBar::setLevel(int percent, const QColor& color) {
    color_ = color;
    double width = levelBarFillWidth(percent);
    if (width == target_) {
        update();
        return;
    }
    target_ = width;
    animation_.stop();
    if (!isVisible()) {
        current_ = width;
        update();
        return;
    }
    animation_.setStartValue(current_);
    animation_.setEndValue(width);
    animation_.start();
}

void LevelBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath track;
    QRectF r = rect();
    track.addRoundedRect(r, 6, 6);
    p.fillPath(track, colors::withOpacity(colors::secondary(), 0.15));
    QRectF fill(r.left(), r.top(), current_, r.height());
    if (layoutDirection() == Qt::RightToLeft) {
        fill.moveRight(r.right());
    }
    QPainterPath bar;
    bar.addRoundedRect(fill, 6, 6);
    p.fillPath(bar, color_);
}

BatterySparkline::BatterySparkline(QWidget* parent) : QWidget(parent) {
    setFixedSize(static_cast<int>(kLevelBarWidth), 28);
}

void BatterySparkline::setHistory(std::vector<BatteryHistoryEntry> history) {
    if (history == history_) {
        return;
    }
    history_ = std::move(history);
    update();
}

void BatterySparkline::paintEvent(QPaintEvent*) {
    auto points = sparklinePoints(history_, width(), height());
    if (points.empty()) {
        return;
    }
    QPainterPath path(QPointF(points.front().x, points.front().y));
    for (std::size_t i = 1; i < points.size(); ++i) {
        path.lineTo(points[i].x, points[i].y);
    }
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(colors::withOpacity(colors::blue(), 0.6), 1.5, Qt::SolidLine, Qt::RoundCap,
             Qt::RoundJoin);
    pen.setMiterLimit(10);
    p.setPen(pen);
    p.drawPath(path);
}

ProgressSpinner::ProgressSpinner(int size, const QColor& color, QWidget* parent)
    : QWidget(parent), color_(color) {
    setFixedSize(size, size);
    timer_.setInterval(80);
    QObject::connect(&timer_, &QTimer::timeout, this, [this] {
        angle_ = (angle_ + 30) % 360;
        update();
    });
}

void ProgressSpinner::showEvent(QShowEvent* event) {
    timer_.start();
    QWidget::showEvent(event);
}

void ProgressSpinner::hideEvent(QHideEvent* event) {
    timer_.stop();
    QWidget::hideEvent(event);
}

void ProgressSpinner::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF r = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    p.setPen(QPen(colors::withOpacity(color_, 0.25), 1.5));
    p.drawEllipse(r);
    p.setPen(QPen(color_, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(r, -angle_ * 16, 100 * 16);
}

}  // namespace joyvane::ui
