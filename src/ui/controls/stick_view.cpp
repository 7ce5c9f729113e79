#include "ui/controls/stick_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "ui/controls/card_section.h"
#include "ui/controls/style.h"
#include "ui/controls/symbol_label.h"

namespace joyvane::ui {

StickPicture::StickPicture(QWidget* parent) : QWidget(parent) {
    setFixedSize(static_cast<int>(kCircle) + 2, static_cast<int>(kCircle) + 2);
}

void StickPicture::setState(float x, float y, bool dragging) {
    if (x == x_ && y == y_ && dragging == dragging_) {
        return;
    }
    x_ = x;
    y_ = y;
    dragging_ = dragging;
    update();
}

QPointF StickPicture::dotOffset() const {
    return {static_cast<double>(x_) * kReach, -static_cast<double>(y_) * kReach};
}

void StickPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre = QRectF(rect()).center();
    p.setPen(QPen(colors::withOpacity(colors::secondary(), 0.25 / 0.63), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, kCircle / 2, kCircle / 2);
    p.setPen(Qt::NoPen);
    p.setBrush(dragging_ ? colors::withOpacity(colors::orange(), 0.5)
                         : colors::withOpacity(colors::blue(), 0.2));
    p.drawEllipse(centre + dotOffset(), kDot / 2, kDot / 2);
}

StickView::StickView(const QString& label, const std::string& icon, QWidget* parent)
    : QWidget(parent), icon_(icon) {
    setObjectName(QStringLiteral("stickView"));
    applyCardBackground(this);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(12, 12, 12, 12);
    column->setSpacing(6);
    auto* caption = new QHBoxLayout;
    caption->setSpacing(4);
    caption->addStretch(1);
    symbol_ = new SymbolLabel(10);
    caption->addWidget(symbol_);
    label_ = new QLabel(label);
    label_->setFont(textFont(TextStyle::caption2));
    caption->addWidget(label_);
    caption->addStretch(1);
    column->addLayout(caption);
    picture_ = new StickPicture;
    column->addWidget(picture_, 0, Qt::AlignHCenter);
    applyCaptionColor();
}

void StickView::setState(float x, float y, bool dragging) {
    const bool colourChanges = dragging != picture_->isDragging();
    picture_->setState(x, y, dragging);
    if (colourChanges) {
        applyCaptionColor();
    }
}

void StickView::setLabel(const QString& label) {
    setTextIfChanged(label_, label);
}

void StickView::applyCaptionColor() {
    const QColor color = picture_->isDragging() ? colors::orange() : colors::secondary();
    symbol_->setSymbol(icon_, color);
    styleLabel(label_, label_->font(), color);
}

}  // namespace joyvane::ui
