#include "ui/windows/advanced_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/controls/card_section.h"
#include "ui/controls/style.h"
#include "ui/controls/symbol_button.h"
#include "ui/windows/combos_tab.h"
#include "ui/windows/controller_info_tab.h"
#include "ui/windows/window_controls.h"
#include "ui/windows/window_text.h"

namespace joyvane::ui {

namespace {

struct TabSpec {
    const char* english;
    const char* hebrew;
    const char* symbol;
};

constexpr std::array<TabSpec, 2> kTabs = {TabSpec{"Gestures", "מחוות", "hand.tap.fill"},
                                          TabSpec{"Controller", "שלט", "gamecontroller.fill"}};

}  // namespace

AdvancedView::AdvancedView(AdvancedContext context, QWidget* parent)
    : QWidget(parent), context_(std::move(context)), hebrew_(isHebrew(context_.languages)) {
    applyReadingDirection(this, hebrew_);
    column_ = new QVBoxLayout(this);
    column_->setContentsMargins(0, 0, 0, 0);
    column_->setSpacing(0);

    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("advancedTabBar"));
    bar->setAttribute(Qt::WA_StyledBackground, true);
    bar->setStyleSheet(QStringLiteral("#advancedTabBar { background: %1; }")
                           .arg(colors::css(colors::headerBackground())));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(6, 6, 6, 6);
    row->setSpacing(6);
    for (std::size_t i = 0; i < kTabs.size(); ++i) {
        auto* button =
            new SymbolButton(QBoxLayout::LeftToRight, textFont(TextStyle::caption).pixelSize(),
                             textFont(TextStyle::caption, QFont::Medium), bar);
        // The face is centred in a button as wide as it may grow, 7 points above and below.
        button->faceLayout()->insertStretch(0, 1);
        button->faceLayout()->setContentsMargins(0, 7, 0, 7);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        QObject::connect(button, &QPushButton::clicked, this,
                         [this, i] { setTab(static_cast<int>(i)); });
        tabs_[i] = button;
        row->addWidget(button, 1);
    }
    column_->addWidget(bar);
    column_->addWidget(makeDivider(this));
    setTab(0);
}

QAbstractButton* AdvancedView::tabButton(int index) const {
    return tabs_.at(index);
}

void AdvancedView::setTab(int tab) {
    if (tab == tab_) {
        return;
    }
    tab_ = tab;
    styleTabs();
    if (content_) {
        content_->hide();
        content_->deleteLater();
    }
    if (tab == 0) {
        content_ = new CombosTab(context_.manager, context_.languages, this);
    } else {
        content_ = new ControllerInfoTab(context_.manager, context_.languages, context_.workspace,
                                         context_.hid, context_.scheduler, this);
    }
    column_->addWidget(content_, 1);
}

void AdvancedView::styleTabs() {
    for (std::size_t i = 0; i < tabs_.size(); ++i) {
        bool selected = static_cast<int>(i) == tab_;
        QColor color = selected ? colors::blue() : colors::secondary();
        tabs_[i]->setFace(kTabs[i].symbol, color,
                          uiText(hebrew_, kTabs[i].english, kTabs[i].hebrew), color);
        tabs_[i]->setBackground(
            selected ? colors::withOpacity(colors::blue(), 0.15) : QColor(Qt::transparent), 8);
        tabs_[i]->setFixedHeight(tabs_[i]->faceLayout()->sizeHint().height());
    }
}

}  // namespace joyvane::ui
