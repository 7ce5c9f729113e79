#include "ui/controls/style.h"

#include <QLabel>
#include <QPalette>
#include <algorithm>

namespace joyvane::ui {

namespace colors {
QColor blue() {
    return {0, 122, 255};
}
QColor green() {
    return {40, 180, 70};
}
QColor orange() {
    return {255, 149, 0};
}
QColor red() {
    return {255, 59, 48};
}
QColor purple() {
    return {175, 82, 222};
}
QColor primary() {
    return {28, 28, 30};
}
QColor secondary() {
    return {60, 60, 67, 160};
}
QColor quaternaryFill() {
    return {116, 116, 128, 26};
}
QColor panelBackground() {
    return {246, 246, 248};
}
QColor headerBackground() {
    return {236, 236, 240, 235};
}

QColor withOpacity(QColor color, double opacity) {
    color.setAlphaF(std::clamp(color.alphaF() * opacity, 0.0, 1.0));
    return color;
}

QString css(const QColor& color) {
    return QStringLiteral("rgba(%1, %2, %3, %4)")
        .arg(color.red())
        .arg(color.green())
        .arg(color.blue())
        .arg(color.alpha());
}
}  // namespace colors

namespace {
int pixelSize(TextStyle style) {
    switch (style) {
        case TextStyle::title2:
            return 20;
        case TextStyle::headline:
        case TextStyle::body:
            return 14;
        case TextStyle::callout:
            return 13;
        case TextStyle::subheadline:
            return 12;
        case TextStyle::caption:
            return 11;
        case TextStyle::caption2:
            return 10;
    }
    return 13;
}
}  // namespace

QFont textFont(TextStyle style, QFont::Weight weight) {
    if (style == TextStyle::headline && weight == QFont::Normal) {
        weight = QFont::DemiBold;
    }
    return systemFont(pixelSize(style), weight);
}

QFont systemFont(int pixelSize, QFont::Weight weight) {
    QFont font;
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

void styleLabel(QLabel* label, const QFont& font, const QColor& color) {
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    // A style sheet on any enclosing widget (a styled button, a card) re-polishes the label and
    // drops a palette colour; a colour in the label's own style sheet survives that.
    const QString sheet = QStringLiteral("color: %1;").arg(colors::css(color));
    if (label->styleSheet() != sheet) {
        label->setStyleSheet(sheet);
    }
}

void setTextIfChanged(QLabel* label, const QString& text) {
    if (label->text() != text) {
        label->setText(text);
    }
}

void setToolTipIfChanged(QWidget* widget, const QString& text) {
    if (widget->toolTip() != text) {
        widget->setToolTip(text);
    }
}

}  // namespace joyvane::ui
