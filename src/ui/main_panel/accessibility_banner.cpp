#include "ui/main_panel/accessibility_banner.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/controls/style.h"
#include "ui/controls/symbol_button.h"
#include "ui/controls/symbol_label.h"
#include "ui/main_panel/banner_frame.h"
#include "ui/main_panel/panel_context.h"

namespace joyvane::ui {
namespace {

struct StepText {
    const char* english;
    const char* hebrew;
};

constexpr StepText kSteps[3] = {
    {"Click \"Grant Access\" below", "לחץ \"הענק גישה\" למטה"},
    {"The desktop's Accessibility Settings will open automatically",
     "הגדרות הנגישות של שולחן העבודה ייפתחו אוטומטית"},
    {"Enable the toggle next to Joyvane", "הפעל את המתג לצד Joyvane"},
};

QWidget* makeCircle(int size, const QColor& fill, QWidget* content) {
    auto* circle = new QWidget;
    circle->setObjectName(QStringLiteral("circle"));
    circle->setFixedSize(size, size);
    circle->setAttribute(Qt::WA_StyledBackground, true);
    circle->setStyleSheet(QStringLiteral("#circle { background: %1; border-radius: %2px; }")
                              .arg(colors::css(fill))
                              .arg(size / 2));
    auto* layout = new QHBoxLayout(circle);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content, 0, Qt::AlignCenter);
    return circle;
}

QLabel* makeStepRow(QVBoxLayout* column, int number) {
    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    auto* digit = new QLabel(QString::number(number));
    styleLabel(digit, systemFont(10, QFont::Bold), colors::blue());
    row->addWidget(makeCircle(18, colors::withOpacity(colors::blue(), 0.18), digit));
    auto* text = new QLabel;
    styleLabel(text, textFont(TextStyle::caption), colors::secondary());
    text->setWordWrap(true);  // a long step takes two lines rather than widening the panel
    row->addWidget(text, 1);
    column->addLayout(row);
    return text;
}

}  // namespace

AccessibilityBanner::AccessibilityBanner(std::function<void()> grantAccess,
                                         std::function<void()> reveal, QWidget* parent)
    : QFrame(parent) {
    auto* column =
        dressBanner(this, QStringLiteral("accessibilityBanner"), colors::blue(), 0.07, 0.20, 14);

    column->addWidget(makeCircle(52, colors::withOpacity(colors::blue(), 0.12),
                                 new SymbolLabel("hand.raised.fill", 24, colors::blue())),
                      0, Qt::AlignHCenter);
    title_ = makeBannerTitle();
    column->addWidget(title_);
    explanation_ = new QLabel;
    explanation_->setAlignment(Qt::AlignCenter);
    styleLabel(explanation_, textFont(TextStyle::caption), colors::secondary());
    column->addWidget(explanation_);

    steps_ = new QWidget;
    auto* stepColumn = new QVBoxLayout(steps_);
    stepColumn->setContentsMargins(0, 0, 0, 0);
    stepColumn->setSpacing(6);
    for (int i = 0; i < 3; ++i) {
        stepTexts_[i] = makeStepRow(stepColumn, i + 1);
    }
    column->addWidget(steps_);

    grant_ = new SymbolButton(QBoxLayout::LeftToRight, 16,
                              textFont(TextStyle::subheadline, QFont::DemiBold));
    grant_->setObjectName(QStringLiteral("grantAccess"));
    grant_->setFlat(false);
    grant_->setMinimumHeight(34);
    grant_->faceLayout()->insertStretch(0, 1);
    grant_->faceLayout()->setContentsMargins(12, 6, 12, 6);
    grant_->setBackground(colors::blue(), 8);
    connect(grant_, &QPushButton::clicked, this, std::move(grantAccess));
    column->addWidget(grant_);

    waiting_ = new QWidget;
    auto* waitingRow = new QHBoxLayout(waiting_);
    waitingRow->setContentsMargins(0, 0, 0, 0);
    waitingRow->setSpacing(6);
    waitingRow->addStretch(1);
    auto* spinner = new QProgressBar;
    spinner->setRange(0, 0);
    spinner->setTextVisible(false);
    spinner->setFixedSize(36, 6);
    waitingRow->addWidget(spinner);
    waitingText_ = new QLabel;
    styleLabel(waitingText_, textFont(TextStyle::caption), colors::secondary());
    waitingRow->addWidget(waitingText_);
    waitingRow->addStretch(1);
    column->addWidget(waiting_);

    reveal_ = new QPushButton;
    reveal_->setObjectName(QStringLiteral("revealButton"));
    reveal_->setFlat(true);
    reveal_->setCursor(Qt::PointingHandCursor);
    reveal_->setFont(textFont(TextStyle::caption));
    reveal_->setStyleSheet(QStringLiteral("#revealButton { color: %1; border: none; }")
                               .arg(colors::css(colors::blue())));
    connect(reveal_, &QPushButton::clicked, this, std::move(reveal));
    column->addWidget(reveal_, 0, Qt::AlignHCenter);
}

void AccessibilityBanner::refresh(bool requested, bool hebrew) {
    setTextIfChanged(title_, panelText(hebrew, "Accessibility Required", "נדרשת הרשאת נגישות"));
    setTextIfChanged(explanation_,
                     panelText(hebrew,
                               "Allows the controller to click, scroll and drag\nin any app — "
                               "just like a real mouse",
                               "מאפשרת לשלט לבצע לחיצות, גלילה וגרירה\nבכל אפליקציה — כמו עכבר "
                               "אמיתי"));
    for (int i = 0; i < 3; ++i) {
        setTextIfChanged(stepTexts_[i], panelText(hebrew, kSteps[i].english, kSteps[i].hebrew));
    }
    grant_->setFace("checkmark.shield.fill", Qt::white,
                    panelText(hebrew, "Grant Access", "הענק גישה"), Qt::white);
    setTextIfChanged(waitingText_,
                     panelText(hebrew, "Waiting for approval in the desktop settings…",
                               "ממתין לאישור בהגדרות שולחן העבודה…"));
    const QString revealText = panelText(hebrew, "App not showing? Show in File Manager",
                                         "האפליקציה לא מופיעה? הראה במנהל הקבצים");
    if (reveal_->text() != revealText) {
        reveal_->setText(revealText);
    }

    steps_->setVisible(!requested);
    grant_->setVisible(!requested);
    waiting_->setVisible(requested);
    reveal_->setVisible(requested);
}

}  // namespace joyvane::ui
