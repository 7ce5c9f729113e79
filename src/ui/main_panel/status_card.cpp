#include "ui/main_panel/status_card.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

#include "engine/controller_manager.h"
#include "ui/controls/card_section.h"
#include "ui/controls/style.h"
#include "ui/controls/symbol_label.h"
#include "ui/controls/symbols.h"

namespace joyvane::ui {

StatusCard::StatusCard(const PanelContext& context, QWidget* parent)
    : QFrame(parent), context_(context) {
    setObjectName(QStringLiteral("statusCard"));
    applyCardBackground(this);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(14, 14, 14, 14);
    row->setSpacing(14);

    circle_ = new QWidget;
    circle_->setObjectName(QStringLiteral("statusCircle"));
    circle_->setFixedSize(44, 44);
    circle_->setAttribute(Qt::WA_StyledBackground, true);
    auto* circleLayout = new QHBoxLayout(circle_);
    circleLayout->setContentsMargins(0, 0, 0, 0);
    icon_ = new SymbolLabel(24);
    circleLayout->addWidget(icon_, 0, Qt::AlignCenter);
    row->addWidget(circle_);

    texts_ = new QWidget;
    auto* lines = new QVBoxLayout(texts_);
    lines->setContentsMargins(0, 0, 0, 0);
    lines->setSpacing(3);
    title_ = new QLabel;
    styleLabel(title_, textFont(TextStyle::subheadline, QFont::Medium), colors::primary());
    detail_ = new QLabel;
    styleLabel(detail_, textFont(TextStyle::caption), colors::secondary());
    lines->addWidget(title_);
    lines->addWidget(detail_);
    row->addWidget(texts_);
    row->addStretch(1);

    state_ = new SymbolLabel(26);
    row->addWidget(state_);

    reconnect_ = new QToolButton;
    reconnect_->setObjectName(QStringLiteral("reconnectButton"));
    reconnect_->setAutoRaise(true);
    reconnect_->setCursor(Qt::PointingHandCursor);
    reconnect_->setIcon(symbolIcon("arrow.clockwise", 16, colors::blue()));
    reconnect_->setIconSize(QSize(16, 16));
    connect(reconnect_, &QToolButton::clicked, this, &StatusCard::forceReconnect);
    row->addWidget(reconnect_);
}

void StatusCard::forceReconnect() {
    if (auto controller = context_.manager.firstConnectedController()) {
        context_.manager.attach(controller);
    }
}

void StatusCard::refresh(bool hebrew) {
    const ControllerManager& mgr = context_.manager;
    const bool connected = mgr.isConnected;
    const bool enabled = mgr.isEnabled();

    const QColor circleFill = connected ? colors::withOpacity(colors::green(), 0.15)
                                        : colors::withOpacity(colors::secondary(), 0.10 / 0.63);
    const QString circleStyle =
        QStringLiteral("#statusCircle { background: %1; border-radius: 22px; }")
            .arg(colors::css(circleFill));
    if (circle_->styleSheet() != circleStyle) {
        circle_->setStyleSheet(circleStyle);
    }
    icon_->setSymbol(connected ? "checkmark.circle.fill" : "circle.slash",
                     connected ? colors::green() : colors::secondary());

    setTextIfChanged(title_, connected
                                 ? panelText(hebrew, "Controller Connected", "שלט מחובר")
                                 : panelText(hebrew, "Waiting for controller...", "ממתין לשלט..."));
    QString detail = QStringLiteral("PS4 / PS5");
    QString tip = panelText(hebrew, "Connect a PS4/PS5 controller via Bluetooth or USB",
                            "חבר שלט PS4/PS5 דרך Bluetooth או USB");
    if (connected && enabled) {
        detail = panelText(hebrew, "Active", "פעיל");
        tip = panelText(hebrew, "Controlling mouse with sticks", "שולט בעכבר עם הג'ויסטיקים");
    } else if (connected) {
        detail = panelText(hebrew, "Paused", "מושהה");
        tip = panelText(hebrew, "Press Options on the controller to enable",
                        "לחץ Options על השלט להפעלה");
    }
    setTextIfChanged(detail_, detail);
    setToolTipIfChanged(texts_, tip);

    state_->setVisible(connected);
    if (connected) {
        state_->setSymbol(enabled ? "play.circle.fill" : "pause.circle.fill",
                          enabled ? colors::blue() : colors::orange());
    }
    reconnect_->setVisible(!connected);
    setToolTipIfChanged(reconnect_, panelText(hebrew, "Force reconnect", "אתחל חיבור מחדש"));
}

}  // namespace joyvane::ui
