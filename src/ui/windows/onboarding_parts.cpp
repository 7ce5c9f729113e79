#include "ui/windows/onboarding_parts.h"

#include <QPainter>
#include <QPainterPath>

#include "ui/controls/style.h"
#include "ui/windows/appearance.h"
#include "ui/windows/symbol.h"

namespace joyvane::ui {

StepBadge::StepBadge(QString number, std::string symbol, QColor color, QWidget* parent)
    : QWidget(parent), number_(std::move(number)), symbol_(std::move(symbol)), color_(color) {
    setFixedSize(76, 76);
}

void StepBadge::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF circle(0, 0, 76, 76);
    p.setPen(Qt::NoPen);
    p.setBrush(colors::withOpacity(color_, 0.12));
    p.drawEllipse(circle);
    paintSymbol(p, circle, symbol_, color_, 32);
    // The number sits on the bottom-trailing corner.
    bool rtl = layoutDirection() == Qt::RightToLeft;
    QRectF small(rtl ? 0 : 56, 56, 20, 20);
    p.setBrush(color_);
    p.drawEllipse(small);
    p.setPen(Qt::white);
    p.setFont(systemFont(11, QFont::Bold));
    p.drawText(small, Qt::AlignCenter, number_);
}

PageDots::PageDots(int count, QWidget* parent) : QWidget(parent), count_(count) {
    setFixedSize(sizeHint());
    animation_.setDuration(250);
    animation_.setEasingCurve(appearance::easeInOut());
    animation_.setStartValue(0.0);
    animation_.setEndValue(1.0);
    QObject::connect(&animation_, &QVariantAnimation::valueChanged, this,
                     [this](const QVariant& v) {
                         progress_ = v.toDouble();
                         update();
                     });
}

QSize PageDots::sizeHint() const {
    return {count_ * 7 + (count_ - 1) * 8, 7};
}

void PageDots::setCurrent(int page) {
    if (page == current_) {
        return;
    }
    previous_ = current_;
    current_ = page;
    progress_ = 0;
    animation_.stop();
    animation_.start();
}

QColor PageDots::dotColor(int index) const {
    return index == current_ ? colors::blue() : colors::withOpacity(colors::secondary(), 0.35);
}

void PageDots::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    QColor off = colors::withOpacity(colors::secondary(), 0.35);
    bool rtl = layoutDirection() == Qt::RightToLeft;
    for (int i = 0; i < count_; ++i) {
        QColor color = off;
        if (i == current_) {
            color = appearance::mix(off, colors::blue(), progress_);
        } else if (i == previous_) {
            color = appearance::mix(colors::blue(), off, progress_);
        }
        int slot = rtl ? count_ - 1 - i : i;
        p.setBrush(color);
        p.drawEllipse(QRectF(slot * 15, 0, 7, 7));
    }
}

}  // namespace joyvane::ui
