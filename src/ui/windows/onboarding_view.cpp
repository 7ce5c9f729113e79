#include "ui/windows/onboarding_view.h"

#include <QGraphicsDropShadowEffect>
#include <QGraphicsOpacityEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>
#include <QVBoxLayout>
#include <array>

#include "ui/controls/style.h"
#include "ui/controls/symbol_label.h"
#include "ui/windows/appearance.h"
#include "ui/windows/mock_menu_bar_strip.h"
#include "ui/windows/onboarding_parts.h"
#include "ui/windows/window_controls.h"
#include "ui/windows/window_text.h"

namespace joyvane::ui {

namespace {

struct PageSpec {
    const char* number;
    const char* symbol;
    QColor (*color)();
    const char* titleEnglish;
    const char* titleHebrew;
    const char* textEnglish;
    const char* textHebrew;
};

const std::array<PageSpec, 4> kPages = {{
    {"1", "menubar.rectangle", colors::blue, "App Lives in the System Tray",
     "האפליקציה במגש המערכת",
     "Joyvane lives in the system tray — not in the taskbar.\nLook for the icon in the top-right "
     "corner "
     "of your screen.",
     "Joyvane חיה במגש המערכת — לא בשורת המשימות.\nחפש את האייקון בפינה הימנית העליונה."},
    {"2", "hand.raised.fill", colors::green, "Grant Accessibility Access", "הענק הרשאת נגישות",
     "To control the mouse, the app needs Accessibility permission.\nClick 'Grant Access' in the "
     "main window and enable it in the desktop settings.",
     "כדי שהשלט יוכל לשלוט בעכבר, האפליקציה צריכה הרשאת נגישות.\nלחץ 'הענק גישה' בחלון הראשי "
     "ואפשר את הגישה בהגדרות שולחן העבודה."},
    {"3", "gamecontroller.fill", colors::purple, "Connect a PS Controller", "חבר שלט PS",
     "Connect a PS4 or PS5 controller via Bluetooth or USB.\nOnce connected, press Options to "
     "activate.\nLeft stick = mouse · Right stick = scroll.",
     "חבר שלט PS4 או PS5 דרך Bluetooth או USB.\nלאחר החיבור, לחץ Options להפעלה.\nג'ויסטיק שמאלי "
     "= עכבר · ימני = גלילה."},
    {"4", "keyboard.fill", colors::orange, "Keyboard & Gestures", "מקלדת ומחוות",
     "The virtual keyboard opens automatically in text fields.\n\nL2+R2 simultaneously → "
     "screenshot.\n\nOpen 'Advanced' in settings to configure more gestures.",
     "המקלדת הוירטואלית נפתחת אוטומטית בשדות קלט.\n\nL2+R2 בו-זמנית → צילום מסך.\n\nגש ל'מתקדם' "
     "בהגדרות להגדרת מחוות נוספות."},
}};

constexpr int kTransitionMs = 250;

// The header band's gradient, from blue at the top-leading corner to purple at the
// bottom-trailing one.
class GradientBand : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        bool rtl = layoutDirection() == Qt::RightToLeft;
        QLinearGradient gradient(rtl ? rect().topRight() : rect().topLeft(),
                                 rtl ? rect().bottomLeft() : rect().bottomRight());
        gradient.setColorAt(0, colors::withOpacity(colors::blue(), 0.75));
        gradient.setColorAt(1, colors::withOpacity(colors::purple(), 0.55));
        p.fillRect(rect(), gradient);
    }
};

// The area that holds the pages; the current page always fills it.
class PageArea : public QWidget {
  public:
    PageArea(QWidget* parent, std::function<void()> relayout)
        : QWidget(parent), relayout_(std::move(relayout)) {}

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        relayout_();
    }

  private:
    std::function<void()> relayout_;
};

QLabel* makeLabel(const QString& text, const QFont& font, const QColor& color, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    styleLabel(label, font, color);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

OnboardingView::OnboardingView(DefaultsStore& defaults, bool isHebrew,
                               std::function<void()> closeWindow, int totalPages, QWidget* parent)
    : QWidget(parent),
      defaults_(defaults),
      hebrew_(isHebrew),
      closeWindow_(std::move(closeWindow)),
      totalPages_(std::min<int>(totalPages, static_cast<int>(kPages.size()))) {
    applyReadingDirection(this, hebrew_);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(buildHeader());

    pageArea_ = new PageArea(this, [this] {
        if (transition_ && transition_->state() != QAbstractAnimation::Running) {
            pages_.at(static_cast<std::size_t>(page_))->setGeometry(pageArea_->rect());
        }
    });
    pageArea_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    for (int i = 0; i < totalPages_; ++i) {
        pages_.push_back(buildPage(i));
        pages_.back()->setVisible(i == 0);
    }
    column->addWidget(pageArea_, 1);

    dots_ = new PageDots(totalPages_, this);
    auto* dotsRow = new QHBoxLayout;
    dotsRow->setContentsMargins(0, 10, 0, 10);
    dotsRow->addStretch(1);
    dotsRow->addWidget(dots_);
    dotsRow->addStretch(1);
    column->addLayout(dotsRow);

    auto* nav = new QHBoxLayout;
    nav->setContentsMargins(24, 0, 24, 18);
    back_ = makePlainTextButton(uiText(hebrew_, "Back", "הקודם"), colors::secondary(),
                                textFont(TextStyle::body), this);
    next_ = makeProminentButton(uiText(hebrew_, "Next ›", "הבא ›"), this);
    getStarted_ = makeProminentButton(uiText(hebrew_, "Get Started!", "בואו נתחיל!"), this);
    QObject::connect(back_, &QAbstractButton::clicked, this, [this] { setPage(page_ - 1); });
    QObject::connect(next_, &QAbstractButton::clicked, this, [this] { setPage(page_ + 1); });
    QObject::connect(getStarted_, &QAbstractButton::clicked, this, [this] { getStarted(); });
    nav->addWidget(back_);
    nav->addStretch(1);
    nav->addWidget(next_);
    nav->addWidget(getStarted_);
    column->addLayout(nav);

    transition_ = new QParallelAnimationGroup(this);
    setPage(0);
}

QWidget* OnboardingView::buildHeader() {
    auto* band = new GradientBand(this);
    band->setFixedHeight(148);
    auto* column = new QVBoxLayout(band);
    column->setContentsMargins(0, 28, 0, 20);
    column->setSpacing(8);
    auto* symbol = new SymbolLabel("gamecontroller.fill", 48, Qt::white, band);
    symbol->setAlignment(Qt::AlignCenter);
    auto* shadow = new QGraphicsDropShadowEffect(symbol);
    shadow->setColor(QColor(0, 0, 0, 77));
    shadow->setBlurRadius(8);
    shadow->setOffset(0, 2);
    symbol->setGraphicsEffect(shadow);
    column->addWidget(symbol, 0, Qt::AlignHCenter);
    column->addWidget(makeLabel(QStringLiteral("Joyvane"), textFont(TextStyle::title2, QFont::Bold),
                                Qt::white, band));
    column->addWidget(makeLabel(
        uiText(hebrew_, "Control your computer with your PS controller", "שלוט במחשב עם השלט שלך"),
        textFont(TextStyle::caption), colors::withOpacity(Qt::white, 0.85), band));
    return band;
}

QWidget* OnboardingView::buildPage(int index) {
    const PageSpec& spec = kPages.at(static_cast<std::size_t>(index));
    auto* page = new QWidget(pageArea_);
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(24, 22, 24, 0);
    column->setSpacing(14);
    column->addWidget(
        new StepBadge(QString::fromLatin1(spec.number), spec.symbol, spec.color(), page), 0,
        Qt::AlignHCenter);
    auto* title = makeLabel(uiText(hebrew_, spec.titleEnglish, spec.titleHebrew),
                            textFont(TextStyle::headline), colors::primary(), page);
    auto* text = makeLabel(uiText(hebrew_, spec.textEnglish, spec.textHebrew),
                           textFont(TextStyle::callout), colors::secondary(), page);
    text->setWordWrap(true);
    column->addWidget(title);
    column->addWidget(text);
    titles_.push_back(title);
    texts_.push_back(text);
    if (index == 0) {
        strip_ = new MockMenuBarStrip(hebrew_, page);
        column->addWidget(strip_);
    }
    column->addStretch(1);
    return page;
}

void OnboardingView::setPage(int page) {
    if (page < 0 || page >= totalPages_) {
        return;
    }
    int from = page_;
    page_ = page;
    dots_->setCurrent(page);
    back_->setVisible(page >= 1);
    bool last = page == totalPages_ - 1;
    next_->setVisible(!last);
    getStarted_->setVisible(last);
    if (from != page) {
        animateTo(from, page);
    } else {
        pages_[static_cast<std::size_t>(page)]->setGeometry(pageArea_->rect());
    }
}

void OnboardingView::animateTo(int from, int to) {
    // Finish any transition still running, so each page is where it belongs.
    transition_->stop();
    transition_->clear();
    for (QWidget* page : pages_) {
        page->setGraphicsEffect(nullptr);
        page->hide();
    }
    QWidget* outgoing = pages_[static_cast<std::size_t>(from)];
    QWidget* incoming = pages_[static_cast<std::size_t>(to)];
    QRect area = pageArea_->rect();
    // In comes from the trailing edge, out goes to the leading edge.
    int trailing = layoutDirection() == Qt::RightToLeft ? -area.width() : area.width();
    auto slide = [this](QWidget* page, QPoint start, QPoint end, double fadeFrom, double fadeTo) {
        page->setGeometry(QRect(start, pageArea_->size()));
        page->show();
        auto* fade = new QGraphicsOpacityEffect(page);
        fade->setOpacity(fadeFrom);
        page->setGraphicsEffect(fade);
        auto* move = new QPropertyAnimation(page, "pos");
        move->setStartValue(start);
        move->setEndValue(end);
        auto* opacity = new QPropertyAnimation(fade, "opacity");
        opacity->setStartValue(fadeFrom);
        opacity->setEndValue(fadeTo);
        for (QPropertyAnimation* a : {move, opacity}) {
            a->setDuration(kTransitionMs);
            a->setEasingCurve(appearance::easeInOut());
            transition_->addAnimation(a);
        }
    };
    slide(outgoing, QPoint(0, 0), QPoint(-trailing, 0), 1.0, 0.0);
    slide(incoming, QPoint(trailing, 0), QPoint(0, 0), 0.0, 1.0);
    QObject::disconnect(transition_, nullptr, this, nullptr);
    QObject::connect(transition_, &QAbstractAnimation::finished, this, [this, outgoing, incoming] {
        outgoing->hide();
        incoming->setGraphicsEffect(nullptr);
        incoming->setGeometry(pageArea_->rect());
    });
    transition_->start();
}

void OnboardingView::getStarted() {
    defaults_.setBool(kHasSeenOnboardingKey, true);
    if (closeWindow_) {
        closeWindow_();
    }
}

}  // namespace joyvane::ui
