#include "ui/keyboard_panel/keyboard_panel_window.h"

#include <QGuiApplication>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/keyboard_panel/overlay_keyboard_panel.h"
#include "ui/keyboard_panel/panel_placement.h"
#include "ui/keyboard_panel/ps_keyboard_view.h"
#include "ui/keyboard_panel/x11_window_hints.h"

namespace joyvane::ui {

KeyboardPanelWindow::KeyboardPanelWindow(PSKeyboardController& keyboard,
                                         const LanguageSource& languages, const Rect& contentRect)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
    setWindowTitle(QStringLiteral("Joyvane Keyboard"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    view_ = new PSKeyboardView(keyboard, languages, this);
    layout->addWidget(view_);

    // The rectangle fixes the left edge, the width and the bottom edge; the keyboard's natural
    // height is taller than the first rectangle, so the window grows upwards from there.
    int width = static_cast<int>(contentRect.width);
    int height = std::max(static_cast<int>(contentRect.height), view_->sizeHint().height());
    int bottom = static_cast<int>(contentRect.maxY());
    setGeometry(static_cast<int>(contentRect.x), bottom - height, width, height);
}

void KeyboardPanelWindow::orderFrontRegardless() {
    if (!isVisible()) {
        applyDesktopHints();
        show();
    }
    raise();
    applyDesktopHints();
}

void KeyboardPanelWindow::orderOut() {
    hide();
}

void KeyboardPanelWindow::applyDesktopHints() {
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        x11::showOnAllDesktopsAbove(winId(), isVisible());
    }
}

std::unique_ptr<KeyboardPanel> QtKeyboardPanelFactory::makePanel(PSKeyboardController& keyboard) {
    Rect content;
    if (auto rect = keyboardPanelContentRect(screens_)) {
        content = toGlobalDisplay(*rect, screens_);
    } else {
        content = Rect{0, 0, 586, 234};
    }
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
        if (auto overlay = OverlayKeyboardPanel::create(keyboard, languages_, content)) {
            last_ = overlay->window();
            return overlay;
        }
    }
    auto panel = std::make_unique<KeyboardPanelWindow>(keyboard, languages_, content);
    last_ = panel.get();
    return panel;
}

}  // namespace joyvane::ui
