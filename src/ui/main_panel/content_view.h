#pragma once

#include <QWidget>
#include <vector>

#include "core/signal.h"
#include "ui/main_panel/panel_context.h"

class QScrollArea;

namespace joyvane::ui {

class AccessibilityBanner;
class BehaviorCard;
class PanelHeader;
class SettingsCard;
class StatusCard;
class SticksRow;
class TilesRow;
class TouchpadCard;
class UinputBanner;

// The main settings panel, 390 × 620: a fixed header above one scrolling column of the banner,
// status, sticks, settings, behaviour, touchpad and the doors to the other windows.
//
// It observes the engine and the keyboard: every announced change schedules one refresh on the
// next turn of the Qt loop, when the new values are in place.
class ContentView : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kWidth = 390;
    static constexpr int kHeight = 620;

    ContentView(const PanelContext& context, PanelActions actions, QWidget* parent = nullptr);
    ~ContentView() override;

    // Reads everything it shows again; also picks the interface language afresh.
    void refresh();

    bool accessibilityRequested() const { return accessibilityRequested_; }
    bool isHebrewShown() const { return hebrew_; }

    // The parts, for the program around it and for tests.
    PanelHeader* header() const { return header_; }
    AccessibilityBanner* banner() const { return banner_; }
    UinputBanner* uinputBanner() const { return uinputBanner_; }  // null when not needed
    StatusCard* statusCard() const { return status_; }
    SticksRow* sticks() const { return sticks_; }
    SettingsCard* settingsCard() const { return settings_; }
    BehaviorCard* behaviorCard() const { return behavior_; }
    TouchpadCard* touchpadCard() const { return touchpad_; }
    TilesRow* tiles() const { return tiles_; }
    QScrollArea* scrollArea() const { return scroll_; }

  private:
    void scheduleRefresh();
    void grantAccess();
    void revealApplication();
    void quit();

    PanelContext context_;
    PanelActions actions_;
    bool accessibilityRequested_ = false;
    bool hebrew_ = false;
    bool refreshPending_ = false;

    PanelHeader* header_;
    QScrollArea* scroll_;
    AccessibilityBanner* banner_;
    UinputBanner* uinputBanner_ = nullptr;
    StatusCard* status_;
    SticksRow* sticks_;
    SettingsCard* settings_;
    BehaviorCard* behavior_;
    TouchpadCard* touchpad_;
    TilesRow* tiles_;
    std::vector<Subscription> subscriptions_;
};

}  // namespace joyvane::ui
