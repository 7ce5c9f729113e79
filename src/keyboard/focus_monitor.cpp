#include "keyboard/ps_keyboard_controller.h"
#include "keyboard/text_roles.h"

namespace joyvane {

namespace {

constexpr double kFocusCheckInterval = 0.25;
// Long enough that a focus passing briefly through a button does not close the keyboard.
constexpr double kHideDelay = 0.35;

}  // namespace

void PSKeyboardController::startFocusMonitoring() {
    if (focusTimer_) {
        focusTimer_->cancel();
    }
    std::weak_ptr<PSKeyboardController*> weak = alive_;
    focusTimer_ = scheduler_.runEvery(kFocusCheckInterval, [weak] {
        if (auto self = weak.lock()) {
            (*self)->checkFocusedElement();
        }
    });
}

// A pending delayed hide is left to run: it only repeats what this does.
void PSKeyboardController::stopFocusMonitoring() {
    if (focusTimer_) {
        focusTimer_->cancel();
        focusTimer_.reset();
    }
    hidePanel();
    wasInTextField = false;
    userDismissed = false;
}

void PSKeyboardController::checkFocusedElement() {
    if (!featureEnabled || !controllerConnected || !controllerEnabled ||
        !accessibility_.isProcessTrusted()) {
        // Closed as if by the user, after this check has returned.
        if (isVisible) {
            std::weak_ptr<PSKeyboardController*> weak = alive_;
            scheduler_.post([weak] {
                if (auto self = weak.lock()) {
                    (*self)->dismiss();
                }
            });
        }
        return;
    }
    auto front = accessibility_.frontmostApplication();
    if (!front) {
        return;
    }
    // While the program's own windows are in front nothing is opened, closed or reordered.
    if (front->identifier == accessibility_.ownIdentifier()) {
        return;
    }
    if (isVisible && panel_) {
        panel_->orderFrontRegardless();
    }
    auto element = accessibility_.focusedElement(front->processId);
    handleFieldState(element && isTextFieldElement(*element));
}

void PSKeyboardController::handleFieldState(bool inTextField) {
    if (inTextField) {
        if (hideWorkItem_) {
            hideWorkItem_->cancel();
            hideWorkItem_.reset();
        }
        if (!wasInTextField) {
            // Entering a text field afresh opens the keyboard even if the user closed it before.
            wasInTextField = true;
            userDismissed = false;
            show();
        } else if (!isVisible && !userDismissed) {
            show();
        }
        return;
    }
    if (!wasInTextField || hasPendingHide()) {
        return;
    }
    std::weak_ptr<PSKeyboardController*> weak = alive_;
    hideWorkItem_ = scheduler_.runAfter(kHideDelay, [weak] {
        if (auto self = weak.lock()) {
            PSKeyboardController& keyboard = **self;
            keyboard.wasInTextField = false;
            keyboard.userDismissed = false;
            keyboard.hidePanel();
        }
    });
}

bool PSKeyboardController::isMonitoringFocus() const {
    return focusTimer_ != nullptr;
}

bool PSKeyboardController::hasPendingHide() const {
    return hideWorkItem_ && hideWorkItem_->isActive();
}

}  // namespace joyvane
