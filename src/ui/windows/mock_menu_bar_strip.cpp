#include "ui/windows/mock_menu_bar_strip.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QWindow>

#include "ui/controls/style.h"
#include "ui/windows/appearance.h"
#include "ui/windows/symbol.h"
#include "ui/windows/window_text.h"

namespace joyvane::ui {

namespace {
constexpr double kBarHeight = 28;
constexpr double kArrowGap = 3;   // between the bar and the arrow at rest
constexpr double kArrowBox = 12;  // the arrow symbol's square
}  // namespace

MockMenuBarStrip::MockMenuBarStrip(bool hebrew, QWidget* parent)
    : QWidget(parent),
      label_(uiText(hebrew, "That's our icon", "זה האייקון שלנו")),
      covered_([this] { onScreen() ? resume() : pause(); }) {
    setFixedHeight(70);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // The picture is of a top bar; it reads left to right whatever the interface language.
    setLayoutDirection(Qt::LeftToRight);
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, this, [this] { step(); });
}

QRectF MockMenuBarStrip::highlight() const {
    const double right = rect().right() - 10;
    return {right - (13 + 14), 3, 13 + 14, kBarHeight - 6};
}

QRect MockMenuBarStrip::arrowArea() const {
    const double centre = highlight().center().x();
    const QRectF area(centre - kArrowBox / 2, kBarHeight + kArrowGap - BobMotion::kHeight,
                      kArrowBox, kArrowBox + BobMotion::kHeight);
    return area.toAlignedRect().adjusted(-1, -1, 1, 1);
}

bool MockMenuBarStrip::onScreen() const {
    const QWindow* handle = window()->windowHandle();
    return isVisible() && handle && handle->isExposed() && !covered_.isObscured();
}

void MockMenuBarStrip::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    arrowBounce_ = true;
    // The window's exposure tells when it is minimised, unmapped or shown again.
    if (QWindow* handle = window()->windowHandle(); handle != watchedWindow_) {
        if (watchedWindow_) {
            watchedWindow_->removeEventFilter(this);
        }
        watchedWindow_ = handle;
        if (handle) {
            handle->installEventFilter(this);
            covered_.watch(handle);
        }
    }
    resume();
}

void MockMenuBarStrip::hideEvent(QHideEvent* event) {
    pause();
    QWidget::hideEvent(event);
}

bool MockMenuBarStrip::eventFilter(QObject* watched, QEvent* event) {
    if (watched == watchedWindow_ && event->type() == QEvent::Expose) {
        // Handled after the window has taken in its new exposure.
        QTimer::singleShot(0, this, [this] { onScreen() ? resume() : pause(); });
    }
    return QWidget::eventFilter(watched, event);
}

void MockMenuBarStrip::resume() {
    if (!arrowBounce_ || running_ || !onScreen()) {
        return;
    }
    running_ = true;
    clock_.start();
    step();
}

void MockMenuBarStrip::pause() {
    if (!running_) {
        return;
    }
    running_ = false;
    pausedAt_ += clock_.elapsed();
    timer_.stop();
}

void MockMenuBarStrip::step() {
    if (!onScreen()) {
        // Nothing to show: rest where it is until the window is exposed again.
        pause();
        return;
    }
    const qint64 elapsed = pausedAt_ + clock_.elapsed();
    const double offset = motion_.offsetAt(elapsed);
    if (offset != arrowOffset_) {
        arrowOffset_ = offset;
        update(arrowArea());
    }
    timer_.start(motion_.msToNextStep(elapsed));
}

void MockMenuBarStrip::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QRectF r = rect();
    QPainterPath frame;
    frame.addRoundedRect(r, 10, 10);
    p.setClipPath(frame);

    QLinearGradient desktop(r.topLeft(), r.bottomRight());
    desktop.setColorAt(0, QColor::fromRgbF(0.16f, 0.18f, 0.30f));
    desktop.setColorAt(1, QColor::fromRgbF(0.10f, 0.10f, 0.18f));
    p.fillRect(r, desktop);
    QRectF bar(r.left(), r.top(), r.width(), kBarHeight);
    p.fillRect(bar, QColor::fromRgbF(0.13f, 0.13f, 0.13f, 0.95f));

    // Left: a generic application launcher, then the front application's name and two menu
    // titles, each dimmer than the last.
    double x = r.left() + 12;
    paintSymbol(p, QRectF(x, bar.top(), 13, kBarHeight), "square.grid.3x3.fill", Qt::white, 13);
    x += 13 + 12;
    const std::array<std::pair<const char*, double>, 3> menus = {
        std::pair{"Files", 1.0}, std::pair{"File", 0.85}, std::pair{"Edit", 0.7}};
    for (const auto& [word, opacity] : menus) {
        QFont font = systemFont(word == menus[0].first ? 13 : 12,
                                word == menus[0].first ? QFont::DemiBold : QFont::Normal);
        QString text = QString::fromLatin1(word);
        double w = QFontMetricsF(font).horizontalAdvance(text);
        p.setFont(font);
        p.setPen(colors::withOpacity(Qt::white, opacity));
        p.drawText(QRectF(x, bar.top(), w, kBarHeight), Qt::AlignVCenter, text);
        x += w + 12;
    }

    // Right: the program's icon in its highlight, then the clock, battery and network.
    const QRectF icon = highlight();
    QPainterPath light;
    light.addRoundedRect(icon, 5, 5);
    p.fillPath(light, colors::withOpacity(Qt::white, 0.25));
    paintSymbol(p, icon, "gamecontroller.fill", Qt::white, 13);
    double cursor = icon.left() - 10;
    QFont clockFont = systemFont(12, QFont::Medium);
    QString clock = QStringLiteral("10:41");
    double clockWidth = QFontMetricsF(clockFont).horizontalAdvance(clock);
    p.setFont(clockFont);
    p.setPen(Qt::white);
    p.drawText(QRectF(cursor - clockWidth, bar.top(), clockWidth, kBarHeight), Qt::AlignVCenter,
               clock);
    cursor -= clockWidth + 10;
    paintSymbol(p, QRectF(cursor - 16, bar.top(), 16, kBarHeight), "battery.75", Qt::white, 16);
    cursor -= 16 + 10;
    paintSymbol(p, QRectF(cursor - 13, bar.top(), 13, kBarHeight), "wifi", Qt::white, 13);

    // Under the icon: the bobbing arrow, and its label at rest below it, inside the picture.
    QFont labelFont = textFont(TextStyle::caption2, QFont::DemiBold);
    double labelWidth = QFontMetricsF(labelFont).horizontalAdvance(label_);
    double centre = icon.center().x();
    double restTop = kBarHeight + kArrowGap;
    paintSymbol(p, QRectF(centre - kArrowBox / 2, restTop + arrowOffset_, kArrowBox, kArrowBox),
                "arrow.up", colors::blue(), 11);
    double labelLeft = std::min(centre - labelWidth / 2, r.right() - 6 - labelWidth);
    p.setFont(labelFont);
    p.setPen(colors::blue());
    p.drawText(QRectF(labelLeft, restTop + kArrowBox + 1, labelWidth, 16), Qt::AlignCenter, label_);
}

}  // namespace joyvane::ui
