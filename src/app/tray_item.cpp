#include "app/tray_item.h"

#include <QCursor>
#include <QTimer>

#include "core/language.h"
#include "engine/controller_manager.h"
#include "ui/controls/coalesced_call.h"

namespace joyvane::app {

TrayItem::TrayItem(ControllerManager& manager, const LanguageSource& languages, Callbacks callbacks)
    : manager_(manager), languages_(languages), callbacks_(std::move(callbacks)) {
    watch_ = new QTimer(this);
    watch_->setInterval(kWatchMs);
    connect(watch_, &QTimer::timeout, this, &TrayItem::checkTrayHost);
    connect(&icon_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger && callbacks_.onClick) {
                    callbacks_.onClick(anchor());
                }
            });
    subscriptions_.push_back(manager_.objectWillChange.connect([this] { scheduleRefresh(); }));
    refresh();
}

TrayItem::~TrayItem() = default;

void TrayItem::start() {
    trayAvailable_ = QSystemTrayIcon::isSystemTrayAvailable();
    icon_.show();
    QTimer::singleShot(kGraceMs, this, [this] {
        checkTrayHost();
        watch_->start();
    });
}

QRect TrayItem::anchor() const {
    const QRect geometry = icon_.geometry();
    if (geometry.isValid() && !geometry.isEmpty()) {
        return geometry;
    }
    return QRect(QCursor::pos(), QSize(1, 1));
}

void TrayItem::scheduleRefresh() {
    ui::postCoalesced(this, refreshPending_, [this] { refresh(); });
}

void TrayItem::refresh() {
    TrayState state{manager_.isConnected, manager_.isEnabled(), manager_.batteryState,
                    manager_.batteryLevel};
    const TrayLabel label = trayLabelFor(state);
    if (!drawn_ || !(label == label_)) {
        label_ = label;
        drawn_ = true;
        icon_.setIcon(QIcon(renderTrayLabel(label_, kIconSize)));
    }
    const QString tip = trayToolTip(state, isHebrew(languages_));
    if (icon_.toolTip() != tip) {
        icon_.setToolTip(tip);
    }
}

void TrayItem::checkTrayHost() {
    const bool available = QSystemTrayIcon::isSystemTrayAvailable();
    if (available && !trayAvailable_) {
        // A host appeared (or came back): dock the icon in it.
        icon_.hide();
        icon_.show();
        reportedMissing_ = false;
        if (callbacks_.onTrayBack) {
            callbacks_.onTrayBack();
        }
    } else if (!available && !reportedMissing_) {
        reportedMissing_ = true;
        if (callbacks_.onNoTray) {
            callbacks_.onNoTray();
        }
    }
    trayAvailable_ = available;
}

}  // namespace joyvane::app
