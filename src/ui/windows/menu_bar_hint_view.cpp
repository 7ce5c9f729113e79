#include "ui/windows/menu_bar_hint_view.h"

#include <QLabel>
#include <QVBoxLayout>

#include "ui/controls/style.h"
#include "ui/controls/symbol_label.h"
#include "ui/windows/mock_menu_bar_strip.h"
#include "ui/windows/window_controls.h"
#include "ui/windows/window_text.h"

namespace joyvane::ui {

MenuBarHintView::MenuBarHintView(bool isHebrew, std::function<void()> closeWindow, QWidget* parent)
    : QWidget(parent) {
    applyReadingDirection(this, isHebrew);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(24, 0, 24, 20);
    column->setSpacing(16);
    column->addStretch(1);
    column->addWidget(new SymbolLabel("gamecontroller.fill", 52, colors::blue(), this), 0,
                      Qt::AlignHCenter);
    auto* title = new QLabel(uiText(isHebrew, "Joyvane is running", "Joyvane פועלת"), this);
    styleLabel(title, textFont(TextStyle::headline), colors::primary());
    title->setAlignment(Qt::AlignCenter);
    column->addWidget(title);
    auto* text = new QLabel(uiText(isHebrew,
                                   "This app lives in your system tray.\nClick the icon in the "
                                   "top-right corner.",
                                   "האפליקציה חיה במגש המערכת.\nלחץ על האייקון בפינה הימנית "
                                   "העליונה."),
                            this);
    styleLabel(text, textFont(TextStyle::callout), colors::secondary());
    text->setAlignment(Qt::AlignCenter);
    text->setWordWrap(true);
    column->addWidget(text);
    strip_ = new MockMenuBarStrip(isHebrew, this);
    auto* stripRow = new QVBoxLayout;
    stripRow->setContentsMargins(8, 8, 8, 8);
    stripRow->addWidget(strip_);
    column->addLayout(stripRow);
    auto* gotIt = makeProminentButton(uiText(isHebrew, "Got it", "הבנתי"), this);
    QObject::connect(gotIt, &QAbstractButton::clicked, this,
                     [closeWindow = std::move(closeWindow)] {
                         if (closeWindow) {
                             closeWindow();
                         }
                     });
    gotIt_ = gotIt;
    column->addWidget(gotIt, 0, Qt::AlignHCenter);
}

}  // namespace joyvane::ui
