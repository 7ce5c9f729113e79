#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "core/published.h"
#include "core/scheduler.h"
#include "keyboard/keyboard_layout.h"
#include "platform/accessibility_service.h"
#include "platform/event_poster.h"
#include "platform/keyboard_panel.h"

namespace joyvane {

enum class MovePhase { idle, firstMove, repeating };

// The on-screen keyboard: visibility, the key cursor with the stick's auto-repeat, shift and
// layout, typing as Unicode key events, and the focus monitor that opens it in text fields.
class PSKeyboardController : public ObservableObject {
  public:
    PSKeyboardController(Scheduler& scheduler, EventPoster& poster,
                         AccessibilityService& accessibility, KeyboardPanelFactory& panels);
    ~PSKeyboardController();

    // Published state, drawn by the panel.
    Published<bool> isVisible{this, false};
    Published<int> cursorRow{this, 1};
    Published<int> cursorCol{this, 4};
    Published<bool> isUppercase{this, false};
    Published<KeyboardLayout> layout{this, KeyboardLayout::latin};

    // Flags kept current by the engine.
    bool controllerConnected = false;
    bool featureEnabled = true;
    bool controllerEnabled = false;

    // Auto-repeat of the stick cursor.
    MovePhase movePhase = MovePhase::idle;
    std::pair<int, int> lastDir{0, 0};
    Time lastMoveTime = kDistantPast;
    static constexpr double initialDelay = 0.35;
    static constexpr double repeatInterval = 0.12;

    // The user closed the keyboard; the focus monitor does not reopen it in the same field.
    bool userDismissed = false;
    bool wasInTextField = false;

    void toggle();
    void show();
    void dismiss();
    // Hide and order the panel out, without touching userDismissed.
    void hidePanel();

    // The raw left stick, every input-loop tick while visible (y up).
    void feedStick(float dx, float dy);
    // One step, each of dx, dy -1, 0 or +1 (rows count downward), wrapping.
    void moveCursor(int dx, int dy);
    void selectCurrent();
    // UTF-8 text as one key-down and key-up of key 0 per character, carrying the character.
    // Bytes that are not valid UTF-8 are skipped; a character beyond the Basic Multilingual
    // Plane travels as its surrogate pair in one event pair.
    void typeRaw(const std::string& text);
    // A plain key press (down then up) with no flags, as the keyboard's Delete and Return.
    void pressKey(std::uint16_t code);

    std::string characterAt(int row, int col) const;
    std::string displayChar(int row, int col) const;

    void startFocusMonitoring();
    void stopFocusMonitoring();
    void checkFocusedElement();
    void handleFieldState(bool inTextField);

    bool isMonitoringFocus() const;
    bool hasPendingHide() const;
    KeyboardPanel* panel() const { return panel_.get(); }

  private:
    Scheduler& scheduler_;
    EventPoster& poster_;
    AccessibilityService& accessibility_;
    KeyboardPanelFactory& panels_;
    std::unique_ptr<KeyboardPanel> panel_;
    std::shared_ptr<ScheduledTask> focusTimer_;
    std::shared_ptr<ScheduledTask> hideWorkItem_;
    // Closures hold this weakly and do nothing once the controller is gone.
    std::shared_ptr<PSKeyboardController*> alive_;
};

}  // namespace joyvane
