#include "ui/windows/capsule_button.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "ui/windows/symbol.h"

namespace joyvane::ui {

CapsuleButton::CapsuleButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void CapsuleButton::setParts(std::vector<Part> parts) {
    parts_ = std::move(parts);
    updateGeometry();
    update();
}

void CapsuleButton::setColors(const QColor& background, const QColor& foreground) {
    background_ = background;
    foreground_ = foreground;
    update();
}

void CapsuleButton::setPadding(int horizontal, int vertical) {
    paddingH_ = horizontal;
    paddingV_ = vertical;
    updateGeometry();
}

QString CapsuleButton::labelText() const {
    QStringList words;
    for (const auto& part : parts_) {
        if (part.symbol.empty()) {
            words << part.text;
        }
    }
    return words.join(' ');
}

QSizeF CapsuleButton::partSize(const Part& part) const {
    if (!part.symbol.empty()) {
        return symbolSize(part.symbol, part.font.pixelSize());
    }
    QFontMetricsF metrics(part.font);
    return {metrics.horizontalAdvance(part.text), metrics.height()};
}

QSize CapsuleButton::sizeHint() const {
    double width = 0;
    double height = 0;
    for (const auto& part : parts_) {
        QSizeF size = partSize(part);
        width += size.width();
        height = std::max(height, size.height());
    }
    if (parts_.size() > 1) {
        width += kSpacing * static_cast<double>(parts_.size() - 1);
    }
    return QSize(static_cast<int>(std::ceil(width)) + 2 * paddingH_,
                 static_cast<int>(std::ceil(height)) + 2 * paddingV_);
}

void CapsuleButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF r = rect();
    QPainterPath capsule;
    capsule.addRoundedRect(r, r.height() / 2, r.height() / 2);
    QColor fill = background_;
    if (isDown()) {
        fill = fill.darker(115);
    }
    p.fillPath(capsule, fill);

    bool rtl = layoutDirection() == Qt::RightToLeft;
    double x = rtl ? r.right() - paddingH_ : r.left() + paddingH_;
    for (const auto& part : parts_) {
        QSizeF size = partSize(part);
        QRectF box(rtl ? x - size.width() : x, r.top(), size.width(), r.height());
        if (part.symbol.empty()) {
            p.setFont(part.font);
            p.setPen(foreground_);
            p.drawText(box, Qt::AlignCenter, part.text);
        } else {
            paintSymbol(p, box, part.symbol, foreground_, part.font.pixelSize());
        }
        x += rtl ? -(size.width() + kSpacing) : size.width() + kSpacing;
    }
}

}  // namespace joyvane::ui
