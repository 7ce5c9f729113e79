#include "app/desktop_backend.h"

#include <QByteArray>
#include <QtGlobal>

#include "platform/linux/wayland/uinput_devices.h"
#include "platform/linux/wayland/wl_clipboard.h"
#include "platform/linux/wayland/xkb_keymap.h"

namespace joyvane::app {

std::unique_ptr<DesktopBackend> DesktopBackend::open(Scheduler& scheduler, std::string* error,
                                                     std::string* note) {
    std::unique_ptr<DesktopBackend> desktop(new DesktopBackend(scheduler));
    desktop->choice_ = chooseBackend(currentSessionEnvironment());
    *note = desktop->choice_.warning;
    // The windows must live on the desktop the events go to.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", QByteArray(desktop->choice_.qtPlatform));
    }
    if (desktop->backend() == SessionBackend::x11) {
        desktop->x11_ = x11::openX11Backend(scheduler, error);
        if (!desktop->x11_) {
            return nullptr;
        }
    }
    return desktop;
}

DesktopBackend::~DesktopBackend() {
    keymap_.reset();
    typing_.reset();  // puts the clipboard back while the poster is there
    poster_.reset();  // lets go of held buttons and keys before the devices go
}

void DesktopBackend::startWithQt(std::string* note) {
    if (backend() != SessionBackend::wayland) {
        return;
    }
    screens_ = std::make_unique<wayland::QtScreenService>();
    std::unique_ptr<wayland::EvdevSink> sink;
    wayland::UinputAccess access = wayland::uinputAccess();
    if (access == wayland::UinputAccess::ready) {
        std::string error;
        sink = wayland::UinputSink::open(screens_->pointerArea(), &error);
        if (!sink) {
            access = wayland::UinputAccess::notWritable;
        }
    }
    if (access != wayland::UinputAccess::ready) {
        uinputProblem_ = access == wayland::UinputAccess::missing ? ui::UinputProblem::missing
                                                                  : ui::UinputProblem::notWritable;
        *note = wayland::uinputProblem(access);
    }
    poster_ = std::make_unique<wayland::WaylandEventPoster>(std::move(sink), *screens_,
                                                            wayland::defaultSessionKeymap(),
                                                            wayland::XkbKeymap::fromNames("us"));
    keymap_ = wayland::CompositorKeymap::follow(
        [poster = poster_.get()](auto keymap) { poster->setKeymap(std::move(keymap)); });
}

void DesktopBackend::useAccessibility(const AccessibilityService& accessibility) {
    if (!poster_ || !wayland::WlClipboard::available()) {
        return;
    }
    clipboard_ = std::make_unique<wayland::WlClipboard>();
    typing_ = std::make_unique<wayland::ClipboardTyping>(
        scheduler_, *clipboard_, *poster_, [&accessibility] {
            auto front = accessibility.frontmostApplication();
            return front && front->identifier && wayland::isTerminalIdentifier(*front->identifier);
        });
    poster_->setTypeText(
        [typing = typing_.get()](const std::u16string& text) { typing->type(text); });
}

EventPoster& DesktopBackend::poster() {
    if (x11_) {
        return *x11_->poster;
    }
    return *poster_;
}

void DesktopBackend::releaseAll() {
    if (x11_) {
        x11_->poster->releaseAll();
    } else if (poster_) {
        poster_->releaseAll();
    }
}

ScreenService& DesktopBackend::screens() {
    if (x11_) {
        return *x11_->screens;
    }
    return *screens_;
}

atspi::AtspiAccessibility::Options DesktopBackend::accessibilityOptions() const {
    atspi::AtspiAccessibility::Options options;
    if (backend() == SessionBackend::wayland) {
        options.followActiveX11Window = false;
        options.canPostEvents = [this] { return poster_ && poster_->canPost(); };
    }
    return options;
}

}  // namespace joyvane::app
