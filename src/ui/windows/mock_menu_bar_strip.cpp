#include "ui/windows/mock_menu_bar_strip.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "ui/controls/style.h"
#include "ui/windows/appearance.h"
#include "ui/windows/symbol.h"
#include "ui/windows/window_text.h"

namespace joyvane::ui {

namespace {
constexpr double kBarHeight = 28;
constexpr double kBobPoints = 3;
constexpr int kBobMs = 700;
}  // namespace

MockMenuBarStrip::MockMenuBarStrip(bool hebrew, QWidget* parent)
    : QWidget(parent), label_(uiText(hebrew, "That's our icon", "זה האייקון שלנו")) {
    setFixedHeight(70);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // The picture is of a menu bar; it reads left to right whatever the interface language.
    setLayoutDirection(Qt::LeftToRight);
    bob_.setDuration(kBobMs);
    bob_.setEasingCurve(appearance::easeInOut());
    bob_.setStartValue(0.0);
    bob_.setEndValue(-kBobPoints);
    QObject::connect(&bob_, &QVariantAnimation::valueChanged, this, [this](const QVariant& v) {
        arrowOffset_ = v.toDouble();
        update();
    });
    // Up, then down, then up again, forever.
    QObject::connect(&bob_, &QVariantAnimation::finished, this, [this] {
        bob_.setDirection(bob_.direction() == QAbstractAnimation::Forward
                              ? QAbstractAnimation::Backward
                              : QAbstractAnimation::Forward);
        bob_.start();
    });
}

void MockMenuBarStrip::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    arrowBounce_ = true;
    if (bob_.state() != QAbstractAnimation::Running) {
        bob_.setDirection(QAbstractAnimation::Forward);
        bob_.start();
    }
}

void MockMenuBarStrip::hideEvent(QHideEvent* event) {
    bob_.stop();
    QWidget::hideEvent(event);
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

    // Left: the system menu and three menu titles, each dimmer than the last.
    double x = r.left() + 12;
    paintSymbol(p, QRectF(x, bar.top(), 13, kBarHeight), "apple.logo", Qt::white, 13);
    x += 13 + 12;
    const std::array<std::pair<const char*, double>, 3> menus = {
        std::pair{"Finder", 1.0}, std::pair{"File", 0.85}, std::pair{"Edit", 0.7}};
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
    double right = r.right() - 10;
    QRectF highlight(right - (13 + 14), bar.top() + 3, 13 + 14, kBarHeight - 6);
    QPainterPath light;
    light.addRoundedRect(highlight, 5, 5);
    p.fillPath(light, colors::withOpacity(Qt::white, 0.25));
    paintSymbol(p, highlight, "gamecontroller.fill", Qt::white, 13);
    double cursor = highlight.left() - 10;
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

    // Under the icon: the bobbing arrow and its label, kept inside the picture.
    QFont labelFont = textFont(TextStyle::caption2, QFont::DemiBold);
    double labelWidth = QFontMetricsF(labelFont).horizontalAdvance(label_);
    double centre = highlight.center().x();
    double arrowTop = bar.bottom() + 3 + arrowOffset_;
    paintSymbol(p, QRectF(centre - 6, arrowTop, 12, 12), "arrow.up", colors::blue(), 11);
    double labelLeft = std::min(centre - labelWidth / 2, r.right() - 6 - labelWidth);
    p.setFont(labelFont);
    p.setPen(colors::blue());
    p.drawText(QRectF(labelLeft, arrowTop + 13, labelWidth, 16), Qt::AlignCenter, label_);
}

}  // namespace joyvane::ui
