#include "ui/controls/card_section.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/controls/style.h"
#include "ui/controls/symbol_label.h"
#include "ui/controls/symbols.h"

namespace joyvane::ui {

QFrame* makeDivider(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setObjectName(QStringLiteral("divider"));
    line->setFixedHeight(1);
    line->setStyleSheet(QStringLiteral("background: %1;").arg(colors::css(QColor(60, 60, 67, 40))));
    return line;
}

void applyCardBackground(QWidget* widget, int radius) {
    const QString name =
        widget->objectName().isEmpty() ? QStringLiteral("card") : widget->objectName();
    widget->setObjectName(name);
    widget->setAttribute(Qt::WA_StyledBackground, true);
    widget->setStyleSheet(QStringLiteral("#%1 { background: %2; border-radius: %3px; }")
                              .arg(name, colors::css(colors::quaternaryFill()))
                              .arg(radius));
}

CardSection::CardSection(const QString& title, const std::string& icon,
                         std::function<void()> resetAction, QWidget* parent)
    : QFrame(parent) {
    setObjectName(QStringLiteral("cardSection"));
    applyCardBackground(this);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(14, 14, 14, 14);
    column->setSpacing(12);

    auto* header = new QHBoxLayout;
    header->setSpacing(6);
    header->addWidget(new SymbolLabel(icon, 12, colors::secondary()));
    title_ = new QLabel(title);
    styleLabel(title_, textFont(TextStyle::caption), colors::secondary());
    header->addWidget(title_);
    header->addStretch(1);
    if (resetAction) {
        reset_ = new QToolButton;
        reset_->setObjectName(QStringLiteral("resetButton"));
        reset_->setAutoRaise(true);
        reset_->setCursor(Qt::PointingHandCursor);
        reset_->setIcon(symbolIcon("arrow.counterclockwise", 12, colors::blue()));
        reset_->setIconSize(QSize(12, 12));
        connect(reset_, &QToolButton::clicked, this, std::move(resetAction));
        header->addWidget(reset_);
    }
    column->addLayout(header);

    content_ = new QVBoxLayout;
    content_->setSpacing(10);
    column->addLayout(content_);
}

QFrame* CardSection::addDivider() {
    QFrame* line = makeDivider();
    content_->addWidget(line);
    return line;
}

void CardSection::setTitle(const QString& title) {
    setTextIfChanged(title_, title);
}

void CardSection::setResetToolTip(const QString& text) {
    if (reset_) {
        setToolTipIfChanged(reset_, text);
    }
}

}  // namespace joyvane::ui
