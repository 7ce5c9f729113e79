#include "ui/windows/window_controls.h"

#include <QFrame>

#include "ui/controls/card_section.h"
#include "ui/controls/style.h"
#include "ui/controls/symbol_button.h"
#include "ui/controls/thin_scroll_bars.h"

#include <QLabel>

namespace joyvane::ui {

QPushButton* makeProminentButton(const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setCursor(Qt::PointingHandCursor);
    button->setFont(textFont(TextStyle::body, QFont::Medium));
    button->setStyleSheet(
        QStringLiteral("QPushButton { background: %1; color: white; border: none;"
                       " border-radius: 6px; padding: 5px 16px; }"
                       "QPushButton:pressed { background: %2; }")
            .arg(colors::css(colors::blue()), colors::css(colors::blue().darker(120))));
    return button;
}

FaceButton::FaceButton(QWidget* parent) : QPushButton(parent) {
    setFlat(true);
    setCursor(Qt::PointingHandCursor);
}

QSize FaceButton::sizeHint() const {
    return layout() ? layout()->sizeHint() : QPushButton::sizeHint();
}

QPushButton* makePlainTextButton(const QString& text, const QColor& color, const QFont& font,
                                 QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setFlat(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setFont(font);
    button->setStyleSheet(
        QStringLiteral("QPushButton { color: %1; border: none; background: transparent;"
                       " padding: 4px 8px; }")
            .arg(colors::css(color)));
    return button;
}

SymbolButton* makeSymbolOnlyButton(const std::string& symbol, int size, const QColor& color,
                                   const QString& toolTip, QWidget* parent) {
    auto* button =
        new SymbolButton(QBoxLayout::LeftToRight, size, textFont(TextStyle::caption), parent);
    button->setFace(symbol, color, QString(), color);
    button->caption()->hide();
    button->setToolTip(toolTip);
    // Every symbol-only button is the same square with its symbol centred, so buttons at either
    // end of a header sit the same distance from their edges.
    button->faceLayout()->insertStretch(0, 1);
    button->setFixedSize(kSymbolOnlyButtonSize, kSymbolOnlyButtonSize);
    return button;
}

InsetList::InsetList(QWidget* parent) : QScrollArea(parent) {
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    applyThinScrollBars(this);
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("insetListPage"));
    auto* outer = new QVBoxLayout(page);
    outer->setContentsMargins(12, 10, 12, 10);
    auto* card = new QFrame(page);
    card->setObjectName(QStringLiteral("insetListCard"));
    card->setAttribute(Qt::WA_StyledBackground, true);
    card->setStyleSheet(
        QStringLiteral("#insetListCard { background: white; border-radius: 10px; }"));
    rows_ = new QVBoxLayout(card);
    rows_->setContentsMargins(12, 4, 12, 4);
    rows_->setSpacing(0);
    outer->addWidget(card);
    outer->addStretch(1);
    setWidget(page);
}

void InsetList::addRow(QWidget* row) {
    if (count_ > 0) {
        rows_->addWidget(makeDivider(row->parentWidget()));
    }
    rows_->addWidget(row);
    ++count_;
}

void applyReadingDirection(QWidget* widget, bool hebrew) {
    widget->setLayoutDirection(hebrew ? Qt::RightToLeft : Qt::LeftToRight);
}

}  // namespace joyvane::ui
