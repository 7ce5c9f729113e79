#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/backend_choice.h"
#include "platform/linux/atspi/atspi_accessibility.h"
#include "platform/linux/wayland/clipboard_typing.h"
#include "platform/linux/wayland/compositor_keymap.h"
#include "platform/linux/wayland/qt_screen_service.h"
#include "platform/linux/wayland/wayland_event_poster.h"
#include "platform/linux/x11/x11_backend.h"
#include "ui/main_panel/uinput_problem.h"

namespace joyvane::app {

// Event posting and screens for the session the program runs in: XTest and RandR on X11; the
// uinput devices, Qt's screens and clipboard typing on Wayland. Chosen once at start.
class DesktopBackend {
  public:
    // Before the Qt application exists: chooses the backend (a warning about JOYVANE_BACKEND
    // goes to `note`), sets Qt's platform unless QT_QPA_PLATFORM is set, and opens X11. Absent,
    // with `error` set, when the X display cannot be used.
    static std::unique_ptr<DesktopBackend> open(Scheduler& scheduler, std::string* error,
                                                std::string* note);
    ~DesktopBackend();

    // Once the Qt application exists: the Wayland services, which read Qt's screens. `note`
    // gets the one line for standard error when /dev/uinput cannot be used.
    void startWithQt(std::string* note);

    SessionBackend backend() const { return choice_.backend; }
    EventPoster& poster();
    // Lets go of every held button and key; safe at any point of start-up.
    void releaseAll();
    ScreenService& screens();
    // How the accessibility service reads trust and focus on this session.
    atspi::AtspiAccessibility::Options accessibilityOptions() const;
    ui::UinputProblem uinputProblem() const { return uinputProblem_; }
    // The X connection on an X11 session; null on Wayland, where the kernel devices are not ours.
    std::shared_ptr<x11::X11Connection> x11Connection() const {
        return x11_ ? x11_->connection : nullptr;
    }
    // Characters the keymap lacks are pasted with the chord the front application expects.
    void useAccessibility(const AccessibilityService& accessibility);

  private:
    explicit DesktopBackend(Scheduler& scheduler) : scheduler_(scheduler) {}

    Scheduler& scheduler_;
    BackendChoice choice_;
    std::optional<x11::X11Backend> x11_;
    std::unique_ptr<wayland::QtScreenService> screens_;
    std::unique_ptr<wayland::TextClipboard> clipboard_;
    std::unique_ptr<wayland::WaylandEventPoster> poster_;
    std::unique_ptr<wayland::ClipboardTyping> typing_;
    std::unique_ptr<wayland::CompositorKeymap> keymap_;
    ui::UinputProblem uinputProblem_ = ui::UinputProblem::none;
};

}  // namespace joyvane::app
