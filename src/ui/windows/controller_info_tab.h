#pragma once

#include <QWidget>
#include <memory>
#include <thread>

#include "core/language.h"
#include "core/scheduler.h"
#include "platform/hid_registry.h"
#include "platform/workspace.h"
#include "ui/windows/change_watcher.h"

class QAbstractButton;
class QLabel;
class QVBoxLayout;

namespace joyvane {
class ControllerManager;
}

namespace joyvane::ui {

class BatterySparkline;
class LevelBar;
class ProgressSpinner;
class SymbolLabel;

// The maker's official firmware-update page for the DualSense.
inline constexpr const char* kDualSenseFirmwareUpdateURL =
    "https://www.playstation.com/support/hardware/ps5-controller-update/";

// The Controller tab of the Advanced window: the battery card (level, state, level bar, history,
// age of the reading, Refresh) and the controller card (model, connection, firmware, the link to
// the firmware-update page). The firmware is read off the main thread each time the tab appears.
class ControllerInfoTab : public QWidget {
  public:
    ControllerInfoTab(ControllerManager& manager, const LanguageSource& languages,
                      Workspace& workspace, std::shared_ptr<const HidRegistry> hid,
                      Scheduler& scheduler, QWidget* parent = nullptr);

    QString firmwareVersion() const { return firmwareVersion_; }
    bool isRefreshing() const { return refreshing_; }
    void fetchFirmware();

    // The parts tests look at.
    QLabel* noDataLabel() const { return noData_; }
    QLabel* percentLabel() const { return percent_; }
    QLabel* stateLabel() const { return state_; }
    QLabel* updatedLabel() const { return updated_; }
    LevelBar* levelBar() const { return levelBar_; }
    BatterySparkline* sparkline() const { return sparkline_; }
    QAbstractButton* refreshButton() const { return refreshButton_; }
    ProgressSpinner* refreshSpinner() const { return spinner_; }
    QLabel* modelValue() const { return model_; }
    QLabel* connectionValue() const { return connection_; }
    QLabel* firmwareValue() const { return firmware_; }
    QAbstractButton* updateButton() const { return updateButton_; }

    // Brings every text and part up to the engine's state.
    void refresh();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* buildBatteryCard();
    QWidget* buildControllerCard();
    QLabel* addInfoRow(QWidget* card, QVBoxLayout* column, const QString& label);
    void startRefresh();
    bool hebrew() const { return isHebrew(languages_); }

    ControllerManager& mgr_;
    const LanguageSource& languages_;
    Workspace& workspace_;
    std::shared_ptr<const HidRegistry> hid_;
    Scheduler& scheduler_;

    QString firmwareVersion_;
    bool refreshing_ = false;

    QLabel* batteryTitle_ = nullptr;
    QLabel* noData_ = nullptr;
    QWidget* levelRow_ = nullptr;
    QWidget* footer_ = nullptr;
    QLabel* percent_ = nullptr;
    QLabel* state_ = nullptr;
    LevelBar* levelBar_ = nullptr;
    BatterySparkline* sparkline_ = nullptr;
    QWidget* updatedRow_ = nullptr;
    QLabel* updated_ = nullptr;
    QAbstractButton* refreshButton_ = nullptr;
    ProgressSpinner* spinner_ = nullptr;
    SymbolLabel* refreshSymbol_ = nullptr;
    QLabel* refreshText_ = nullptr;

    QLabel* controllerTitle_ = nullptr;
    QLabel* modelLabel_ = nullptr;
    QLabel* connectionLabel_ = nullptr;
    QLabel* model_ = nullptr;
    QLabel* connection_ = nullptr;
    QLabel* firmware_ = nullptr;
    QAbstractButton* updateButton_ = nullptr;
    QLabel* updateText_ = nullptr;

    // Delayed work and the firmware read hold this weakly.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
    std::jthread firmwareRead_;
    ChangeWatcher watcher_;
};

}  // namespace joyvane::ui
