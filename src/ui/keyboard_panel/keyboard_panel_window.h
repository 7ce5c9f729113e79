#pragma once

#include <QWidget>
#include <memory>

#include "core/language.h"
#include "platform/keyboard_panel.h"
#include "platform/screen_service.h"

namespace joyvane::ui {

class PSKeyboardView;

// The floating window of the on-screen keyboard: frameless, above other windows, on every
// workspace, and never given the keyboard focus, not even when clicked, so the application being
// typed into keeps its text cursor.
class KeyboardPanelWindow final : public QWidget, public KeyboardPanel {
  public:
    // `contentRect` is in global display coordinates. The window keeps its left edge, width and
    // bottom edge; it grows upwards when the keyboard needs more height.
    KeyboardPanelWindow(PSKeyboardController& keyboard, const LanguageSource& languages,
                        const Rect& contentRect);

    void orderFrontRegardless() override;
    void orderOut() override;

    PSKeyboardView* view() const { return view_; }

  private:
    void applyDesktopHints();

    PSKeyboardView* view_ = nullptr;
};

// Builds the keyboard panel on the keyboard's first show, placed once from the screens of that
// moment: on an overlay surface where a Wayland compositor offers one, else as a window.
class QtKeyboardPanelFactory final : public KeyboardPanelFactory {
  public:
    QtKeyboardPanelFactory(const ScreenService& screens, const LanguageSource& languages)
        : screens_(screens), languages_(languages) {}

    std::unique_ptr<KeyboardPanel> makePanel(PSKeyboardController& keyboard) override;

    // The window of the last panel built, for tests and screenshots.
    KeyboardPanelWindow* lastPanel() const { return last_; }

  private:
    const ScreenService& screens_;
    const LanguageSource& languages_;
    KeyboardPanelWindow* last_ = nullptr;
};

}  // namespace joyvane::ui
