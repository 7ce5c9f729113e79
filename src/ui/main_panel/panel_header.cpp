#include "ui/main_panel/panel_header.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include "engine/controller_manager.h"
#include "ui/controls/battery_badge.h"
#include "ui/controls/style.h"
#include "ui/controls/switch_button.h"
#include "ui/controls/symbol_label.h"
#include "ui/controls/symbols.h"

namespace joyvane::ui {

PanelHeader::PanelHeader(const PanelContext& context, std::function<void()> quit, QWidget* parent)
    : QWidget(parent), context_(context) {
    setObjectName(QStringLiteral("panelHeader"));
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(QStringLiteral("#panelHeader { background: %1; }")
                      .arg(colors::css(colors::headerBackground())));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(16, 12, 16, 12);
    row->setSpacing(10);

    symbol_ = new SymbolLabel(26);
    row->addWidget(symbol_);

    auto* names = new QVBoxLayout;
    names->setSpacing(1);
    auto* product = new QLabel(QStringLiteral("Joyvane"));
    styleLabel(product, textFont(TextStyle::headline), colors::primary());
    names->addWidget(product);
    name_ = new QLabel;
    styleLabel(name_, textFont(TextStyle::caption), colors::secondary());
    names->addWidget(name_);
    row->addLayout(names);
    row->addStretch(1);

    battery_ = new BatteryBadge;
    row->addWidget(battery_);

    master_ = new SwitchButton;
    master_->setObjectName(QStringLiteral("masterSwitch"));
    connect(master_, &SwitchButton::toggled, this,
            [this](bool on) { context_.manager.setEnabled(on); });
    row->addWidget(master_);

    quit_ = new QToolButton;
    quit_->setObjectName(QStringLiteral("quitButton"));
    quit_->setAutoRaise(true);
    quit_->setCursor(Qt::PointingHandCursor);
    quit_->setIcon(symbolIcon("power", 16, colors::secondary()));
    quit_->setIconSize(QSize(16, 16));
    connect(quit_, &QToolButton::clicked, this, std::move(quit));
    row->addWidget(quit_);
}

void PanelHeader::refresh(bool hebrew) {
    const ControllerManager& mgr = context_.manager;
    const bool connected = mgr.isConnected;
    symbol_->setSymbol(mgr.controllerType.get() == ControllerType::dualSense ? "gamecontroller.fill"
                                                                             : "gamecontroller",
                       connected ? colors::blue() : colors::secondary());
    setTextIfChanged(name_, QString::fromStdString(mgr.controllerName.get()));

    const auto& level = mgr.batteryLevel.get();
    battery_->setVisible(connected && level.has_value());
    if (connected && level) {
        battery_->setBattery(*level, mgr.batteryState.get());
    }

    if (master_->isChecked() != mgr.isEnabled().get()) {
        const QSignalBlocker block(master_);
        master_->setChecked(mgr.isEnabled());
        master_->update();
    }
    master_->setEnabled(connected && mgr.accessibility.get());
    setToolTipIfChanged(quit_, panelText(hebrew, "Quit", "סגור"));
}

}  // namespace joyvane::ui
