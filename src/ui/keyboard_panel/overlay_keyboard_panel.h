#pragma once

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <memory>

#include "platform/keyboard_panel.h"
#include "platform/linux/wayland/overlay_surface.h"
#include "ui/keyboard_panel/keyboard_panel_window.h"

namespace joyvane::ui {

// The keyboard panel on a Wayland compositor with a layer shell. An xdg-shell window would be
// activated when mapped and take the keyboard from the application being typed into, so the
// panel's window is laid out and painted off screen, its picture is shown on an overlay surface
// that never takes the keyboard, and clicks on that surface go to the window's buttons.
class OverlayKeyboardPanel final : public QObject, public KeyboardPanel {
  public:
    // Absent when the compositor offers no layer shell.
    static std::unique_ptr<OverlayKeyboardPanel> create(PSKeyboardController& keyboard,
                                                        const LanguageSource& languages,
                                                        const Rect& contentRect);

    // The surface goes first: letting go of it may still hand the window a pointer leaving.
    ~OverlayKeyboardPanel() override { surface_.reset(); }

    void orderFrontRegardless() override;
    void orderOut() override;

    KeyboardPanelWindow* window() const { return window_.get(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    OverlayKeyboardPanel() = default;
    void present();
    void deliver(const wayland::OverlaySurface::PointerEvent& event);
    void sendMouse(QWidget* target, QEvent::Type type, QPointF position, Qt::MouseButtons buttons);

    std::unique_ptr<KeyboardPanelWindow> window_;
    std::unique_ptr<wayland::OverlaySurface> surface_;
    QPointer<QWidget> pressed_;  // the widget a press went to, which gets its release
    bool presentPending_ = false;
};

}  // namespace joyvane::ui
