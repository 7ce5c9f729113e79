#include "ui/controls/symbol_button.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>

#include "ui/controls/style.h"
#include "ui/controls/symbol_label.h"

namespace joyvane::ui {

SymbolButton::SymbolButton(QBoxLayout::Direction direction, int symbolSize, const QFont& font,
                           QWidget* parent)
    : QPushButton(parent) {
    setFlat(true);
    setCursor(Qt::PointingHandCursor);
    face_ = new QBoxLayout(direction, this);
    face_->setContentsMargins(0, 0, 0, 0);
    face_->setSpacing(direction == QBoxLayout::TopToBottom ? 4 : 6);
    symbol_ = new SymbolLabel(symbolSize);
    caption_ = new QLabel;
    caption_->setFont(font);
    // The caption and symbol let clicks through to the button.
    symbol_->setAttribute(Qt::WA_TransparentForMouseEvents);
    caption_->setAttribute(Qt::WA_TransparentForMouseEvents);
    const Qt::Alignment align =
        direction == QBoxLayout::TopToBottom ? Qt::AlignHCenter : Qt::AlignVCenter;
    face_->addWidget(symbol_, 0, align);
    face_->addWidget(caption_, 0, align);
    if (direction != QBoxLayout::TopToBottom) {
        face_->addStretch(1);
    }
}

void SymbolButton::setFace(const std::string& symbol, const QColor& symbolColor,
                           const QString& text, const QColor& textColor) {
    symbol_->setSymbol(symbol, symbolColor);
    setTextIfChanged(caption_, text);
    if (caption_->palette().color(QPalette::WindowText) != textColor) {
        styleLabel(caption_, caption_->font(), textColor);
    }
    setMinimumSize(face_->sizeHint());
}

void SymbolButton::setBackground(const QColor& fill, int radius) {
    if (fill == background_ && radius == radius_) {
        return;
    }
    background_ = fill;
    radius_ = radius;
    update();
}

void SymbolButton::paintEvent(QPaintEvent* event) {
    if (!background_.isValid()) {
        QPushButton::paintEvent(event);
        return;
    }
    if (background_.alpha() == 0) {
        return;
    }
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()), radius_, radius_);
    p.fillPath(shape, isDown() ? background_.darker(115) : background_);
}

}  // namespace joyvane::ui
