#include "ui/keyboard_panel/key_cell.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

#include "ui/keyboard_panel/keyboard_metrics.h"
#include "ui/windows/appearance.h"
#include "ui/windows/symbol.h"

namespace joyvane::ui {

namespace ap = appearance;

KeyCell::KeyCell(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    animation_.setDuration(keyboard_metrics::kCursorAnimationMs);
    animation_.setEasingCurve(ap::easeOut());
    QObject::connect(&animation_, &QVariantAnimation::valueChanged, this,
                     [this](const QVariant& v) {
                         cursorAmount_ = v.toDouble();
                         update();
                     });
    if (isControl()) {
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    } else {
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    }
}

void KeyCell::setLabel(const QString& label) {
    if (label_ == label) {
        return;
    }
    label_ = label;
    updateGeometry();
    update();
}

void KeyCell::setIcon(std::string symbol) {
    icon_ = std::move(symbol);
    updateGeometry();
    update();
}

void KeyCell::setKind(Kind kind) {
    if (kind_ == kind) {
        return;
    }
    kind_ = kind;
    update();
}

void KeyCell::setCursor(bool cursor) {
    if (cursor_ == cursor) {
        return;
    }
    cursor_ = cursor;
    animation_.stop();
    if (!isVisible()) {
        // Nothing on screen to animate: take the new state at once.
        cursorAmount_ = cursor ? 1.0 : 0.0;
        update();
        return;
    }
    animation_.setStartValue(cursorAmount_);
    animation_.setEndValue(cursor ? 1.0 : 0.0);
    animation_.start();
}

double KeyCell::targetScale() const {
    if (!cursor_) {
        return 1.0;
    }
    return isControl() ? keyboard_metrics::kControlCursorScale : keyboard_metrics::kKeyCursorScale;
}

double KeyCell::currentScale() const {
    double full =
        isControl() ? keyboard_metrics::kControlCursorScale : keyboard_metrics::kKeyCursorScale;
    return 1.0 + (full - 1.0) * cursorAmount_;
}

QColor KeyCell::background(double cursorAmount) const {
    double opacity = (kind_ == Kind::special || kind_ == Kind::closeControl) ? 0.18 : 0.08;
    return ap::mix(colors::withOpacity(colors::primary(), opacity), colors::blue(), cursorAmount);
}

QColor KeyCell::foreground(double cursorAmount) const {
    return ap::mix(colors::primary(), Qt::white, cursorAmount);
}

QColor KeyCell::targetBackground() const {
    return background(cursor_ ? 1 : 0);
}
QColor KeyCell::targetForeground() const {
    return foreground(cursor_ ? 1 : 0);
}

QFont KeyCell::labelFont() const {
    switch (kind_) {
        case Kind::special:
            return systemFont(14, QFont::Medium);
        case Kind::character:
            return systemFont(16, QFont::Normal);
        case Kind::control:
        case Kind::closeControl:
            break;
    }
    return textFont(TextStyle::caption, QFont::Medium);
}

QSize KeyCell::sizeHint() const {
    using namespace keyboard_metrics;
    if (!isControl()) {
        return {kKeyWidth, kKeyHeight};
    }
    QFontMetrics text(labelFont());
    double iconWidth = symbolSize(icon_, textFont(TextStyle::caption).pixelSize()).width();
    int content =
        static_cast<int>(std::ceil(iconWidth)) + kControlSpacing + text.horizontalAdvance(label_);
    return {std::max(kKeyWidth, content + 2 * kControlPadding), kKeyHeight};
}

void KeyCell::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QRectF r = rect();
    double scale = currentScale();
    p.translate(r.center());
    p.scale(scale, scale);
    p.translate(-r.center());

    QPainterPath shape;
    shape.addRoundedRect(r, keyboard_metrics::kKeyRadius, keyboard_metrics::kKeyRadius);
    p.fillPath(shape, background(cursorAmount_));
    p.setPen(foreground(cursorAmount_));

    if (!isControl()) {
        p.setFont(labelFont());
        p.drawText(r, Qt::AlignCenter, label_);
        return;
    }
    // Icon, 5 points, then the label, centred together in reading order.
    int iconSize = textFont(TextStyle::caption).pixelSize();
    double iconWidth = symbolSize(icon_, iconSize).width();
    QFontMetrics textMetrics(labelFont());
    int textWidth = textMetrics.horizontalAdvance(label_);
    double total = iconWidth + keyboard_metrics::kControlSpacing + textWidth;
    double x = r.center().x() - total / 2.0;
    QRectF iconRect(x, r.top(), iconWidth, r.height());
    QRectF textRect(x + iconWidth + keyboard_metrics::kControlSpacing, r.top(), textWidth,
                    r.height());
    if (layoutDirection() == Qt::RightToLeft) {
        iconRect.moveLeft(x + textWidth + keyboard_metrics::kControlSpacing);
        textRect.moveLeft(x);
    }
    paintSymbol(p, iconRect, icon_, foreground(cursorAmount_), iconSize);
    p.setFont(labelFont());
    p.drawText(textRect, Qt::AlignCenter, label_);
}

}  // namespace joyvane::ui
