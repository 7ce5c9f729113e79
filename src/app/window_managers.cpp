#include "app/window_managers.h"

#include <QLabel>

#include "core/language.h"
#include "platform/defaults_store.h"
#include "ui/controls/style.h"

namespace joyvane::app {
namespace {

// Onboarding and the hint carry the product's name, as the window list shows it, rather than an
// empty title that the desktop would fill with the executable's name.
const QString kProductTitle = QStringLiteral("Joyvane");

QString text(bool hebrew, const char* english, const char* hebrewText) {
    return QString::fromUtf8(localized(hebrew, english, hebrewText));
}

// Stands in for a window's view until the real one is installed.
QWidget* placeholder(const QString& note) {
    auto* label = new QLabel(note);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    ui::styleLabel(label, ui::textFont(ui::TextStyle::callout), ui::colors::secondary());
    return label;
}

}  // namespace

bool WindowManagerBase::hebrew() const {
    return isHebrew(languages_);
}

bool WindowManagerBase::bringForward() {
    if (!window_) {
        return false;
    }
    // Front and key: on X11 the key window is the active one, so this also activates it.
    window_->showNormal();
    window_->raise();
    window_->activateWindow();
    return true;
}

void WindowManagerBase::present(const WindowSpec& spec, QWidget* content) {
    auto* window = new ManagedWindow(spec, content, [this] { windowWillClose(); });
    window->setLayoutDirection(hebrew() ? Qt::RightToLeft : Qt::LeftToRight);
    centreOnScreen(window);
    window->show();
    window->raise();
    window->activateWindow();
    window_ = window;
}

std::function<void()> WindowManagerBase::closer() {
    QPointer<WindowManagerBase> self(this);
    return [self] {
        if (self && self->window_) {
            self->window_->close();
        }
    };
}

AdvancedWindowManager::AdvancedWindowManager(const LanguageSource& languages)
    : WindowManagerBase(languages) {
    factory_ = [this](ControllerManager&, CloseWindow) {
        return placeholder(text(hebrew(), "Gestures and controller information open here.",
                                "מחוות ומידע על השלט ייפתחו כאן."));
    };
}

void AdvancedWindowManager::open(ControllerManager& manager) {
    if (bringForward()) {
        return;
    }
    const bool he = hebrew();
    present({text(he, "Advanced", "מתקדם"), QSize(480, 480), true, true},
            factory_(manager, closer()));
}

RemapWindowManager::RemapWindowManager(const LanguageSource& languages)
    : WindowManagerBase(languages) {
    factory_ = [this](const ButtonMap&, SaveMap, std::function<void()>, CloseWindow) {
        return placeholder(
            text(hebrew(), "The button map opens here.", "מיפוי הכפתורים ייפתח כאן."));
    };
}

void RemapWindowManager::open(const ButtonMap& initialMap, SaveMap onSave,
                              std::function<void()> onReset) {
    if (bringForward()) {
        return;
    }
    const bool he = hebrew();
    present({text(he, "Button Mapping", "מיפוי כפתורים"), QSize(440, 540), true, false},
            factory_(initialMap, std::move(onSave), std::move(onReset), closer()));
}

OnboardingWindowManager::OnboardingWindowManager(const LanguageSource& languages,
                                                 DefaultsStore& defaults)
    : WindowManagerBase(languages), defaults_(defaults) {
    factory_ = [](bool he, CloseWindow) {
        return placeholder(text(he, "Welcome to Joyvane.", "ברוכים הבאים ל-Joyvane."));
    };
}

void OnboardingWindowManager::show() {
    if (bringForward()) {
        return;
    }
    present({kProductTitle, QSize(480, 580), false, true}, factory_(hebrew(), closer()));
}

void OnboardingWindowManager::windowWillClose() {
    defaults_.setBool(kSeenKey, true);
    WindowManagerBase::windowWillClose();
}

MenuBarHintWindowManager::MenuBarHintWindowManager(const LanguageSource& languages)
    : WindowManagerBase(languages) {
    factory_ = [](bool he, CloseWindow) {
        return placeholder(text(he, "Joyvane is running in the tray.", "Joyvane פועלת במגש."));
    };
}

void MenuBarHintWindowManager::show() {
    if (bringForward()) {
        return;
    }
    present({kProductTitle, QSize(380, 380), false, true}, factory_(hebrew(), closer()));
}

}  // namespace joyvane::app
