#include "ui/keyboard_panel/overlay_keyboard_panel.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <QScreen>
#include <algorithm>

#include "ui/controls/coalesced_call.h"

namespace joyvane::ui {

namespace {

// The gap between the panel's bottom edge and the screen's, as the window was placed.
int bottomMargin(const QWidget& window) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        return 0;
    }
    QRect available = screen->availableGeometry();
    return std::max(0, available.y() + available.height() - window.y() - window.height());
}

}  // namespace

std::unique_ptr<OverlayKeyboardPanel> OverlayKeyboardPanel::create(PSKeyboardController& keyboard,
                                                                   const LanguageSource& languages,
                                                                   const Rect& contentRect) {
    // The surface first: without a layer shell the window is not built here at all.
    std::unique_ptr<OverlayKeyboardPanel> panel(new OverlayKeyboardPanel);
    panel->surface_ = wayland::OverlaySurface::connect(
        [p = panel.get()](const wayland::OverlaySurface::PointerEvent& e) { p->deliver(e); });
    if (!panel->surface_) {
        return nullptr;
    }
    panel->window_ = std::make_unique<KeyboardPanelWindow>(keyboard, languages, contentRect);
    panel->window_->setAttribute(Qt::WA_DontShowOnScreen);
    // Every repaint of the window, its keys' animations included, asks its top level for an
    // update first.
    panel->window_->installEventFilter(panel.get());
    return panel;
}

void OverlayKeyboardPanel::orderFrontRegardless() {
    window_->show();
    present();
}

void OverlayKeyboardPanel::orderOut() {
    window_->hide();
    surface_->hide();
}

bool OverlayKeyboardPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_.get() &&
        (event->type() == QEvent::UpdateRequest || event->type() == QEvent::Resize)) {
        postCoalesced(this, presentPending_, [this] { present(); });
    }
    return false;
}

void OverlayKeyboardPanel::present() {
    if (!window_->isVisible()) {
        return;
    }
    // Sharp on a scaled screen: as many image pixels a point as the screen has.
    int scale = std::max(1, qRound(window_->devicePixelRatioF()));
    QImage image(window_->size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    window_->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    surface_->show({image.constBits(), image.width(), image.height(),
                    static_cast<int>(image.bytesPerLine()), scale},
                   bottomMargin(*window_));
}

void OverlayKeyboardPanel::deliver(const wayland::OverlaySurface::PointerEvent& event) {
    using Kind = wayland::OverlaySurface::PointerEvent::Kind;
    QPointF position(event.x, event.y);
    switch (event.kind) {
        case Kind::Press: {
            QWidget* target = window_->childAt(position.toPoint());
            pressed_ = target ? target : window_.get();
            sendMouse(pressed_, QEvent::MouseButtonPress, position, Qt::LeftButton);
            break;
        }
        case Kind::Release:
            if (pressed_) {
                sendMouse(pressed_, QEvent::MouseButtonRelease, position, Qt::NoButton);
            }
            pressed_ = nullptr;
            break;
        case Kind::Move:
            if (pressed_) {
                sendMouse(pressed_, QEvent::MouseMove, position, Qt::LeftButton);
            }
            break;
        case Kind::Leave:
            // A button let go of outside the panel does not click.
            if (pressed_) {
                sendMouse(pressed_, QEvent::MouseButtonRelease, QPointF(-1, -1), Qt::NoButton);
            }
            pressed_ = nullptr;
            break;
    }
}

void OverlayKeyboardPanel::sendMouse(QWidget* target, QEvent::Type type, QPointF position,
                                     Qt::MouseButtons buttons) {
    QPointF local = target->mapFrom(window_.get(), position);
    QPointF global = position + window_->pos();
    Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent mouse(type, local, global, button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &mouse);
}

}  // namespace joyvane::ui
