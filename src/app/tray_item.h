#pragma once

#include <QObject>
#include <QRect>
#include <QSystemTrayIcon>
#include <functional>
#include <vector>

#include "app/tray_label.h"
#include "core/signal.h"

class QTimer;

namespace joyvane {
class ControllerManager;
class LanguageSource;
}  // namespace joyvane

namespace joyvane::app {

// The tray icon: the label drawn from the engine's state, redrawn on every change, and a click
// that asks for the main panel at the icon.
//
// It also follows the tray host: when none is there a short while after start, `onNoTray` runs
// (the program then shows its panel as a window); when a host appears or restarts later, the icon
// is docked again and `onTrayBack` runs.
class TrayItem : public QObject {
    Q_OBJECT
  public:
    struct Callbacks {
        std::function<void(const QRect& anchor)> onClick;  // anchor in global coordinates
        std::function<void()> onNoTray;
        std::function<void()> onTrayBack;
    };

    static constexpr int kIconSize = 64;
    static constexpr int kGraceMs = 2000;  // a tray host may start after the program
    static constexpr int kWatchMs = 2000;  // how often the host is looked for afterwards

    TrayItem(ControllerManager& manager, const LanguageSource& languages, Callbacks callbacks);
    ~TrayItem() override;

    // Shows the icon and starts watching for the tray host.
    void start();

    const TrayLabel& label() const { return label_; }
    QString toolTip() const { return icon_.toolTip(); }
    QSystemTrayIcon& icon() { return icon_; }
    // Where a click opens the panel: the icon, or the pointer when the host gives no geometry.
    QRect anchor() const;

    // Reads the engine again and redraws when the label or the tooltip changed.
    void refresh();

  private:
    void scheduleRefresh();
    void checkTrayHost();

    ControllerManager& manager_;
    const LanguageSource& languages_;
    Callbacks callbacks_;
    QSystemTrayIcon icon_;
    TrayLabel label_;
    bool drawn_ = false;
    bool refreshPending_ = false;
    bool trayAvailable_ = false;
    bool reportedMissing_ = false;
    QTimer* watch_;
    std::vector<Subscription> subscriptions_;
};

}  // namespace joyvane::app
