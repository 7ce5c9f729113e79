#include "ui/main_panel/content_view.h"

#include <QScrollArea>
#include <QVBoxLayout>

#include "engine/controller_manager.h"
#include "keyboard/ps_keyboard_controller.h"
#include "output/mouse_controller.h"
#include "platform/accessibility_service.h"
#include "platform/workspace.h"
#include "ui/controls/card_section.h"
#include "ui/controls/coalesced_call.h"
#include "ui/controls/style.h"
#include "ui/controls/thin_scroll_bars.h"
#include "ui/main_panel/accessibility_banner.h"
#include "ui/main_panel/behavior_card.h"
#include "ui/main_panel/panel_header.h"
#include "ui/main_panel/settings_card.h"
#include "ui/main_panel/status_card.h"
#include "ui/main_panel/sticks_row.h"
#include "ui/main_panel/tiles_row.h"
#include "ui/main_panel/touchpad_card.h"
#include "ui/main_panel/uinput_banner.h"

namespace joyvane::ui {
namespace {
// Lets go of a click a controller button still holds, so no button stays down once the program
// is gone.
void releaseHeldClicks(MouseController& mouse) {
    if (mouse.isLeftDown) {
        mouse.postMouseButton(MouseEventType::leftMouseUp, mouse_button::left);
        mouse.isLeftDown = false;
    }
    if (mouse.isRightDown) {
        mouse.postMouseButton(MouseEventType::rightMouseUp, mouse_button::right);
        mouse.isRightDown = false;
    }
}
}  // namespace

ContentView::ContentView(const PanelContext& context, PanelActions actions, QWidget* parent)
    : QWidget(parent), context_(context), actions_(std::move(actions)) {
    setObjectName(QStringLiteral("contentView"));
    setFixedSize(kWidth, kHeight);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colors::panelBackground());
    setPalette(palette);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    header_ = new PanelHeader(context_, [this] { quit(); });
    column->addWidget(header_);
    column->addWidget(makeDivider());

    scroll_ = new QScrollArea;
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    applyThinScrollBars(scroll_);
    auto* body = new QWidget;
    body->setAutoFillBackground(false);
    scroll_->viewport()->setAutoFillBackground(false);
    auto* sections = new QVBoxLayout(body);
    sections->setContentsMargins(16, 16, 16, 16);
    sections->setSpacing(14);
    if (actions_.uinputProblem != UinputProblem::none) {
        uinputBanner_ = new UinputBanner(actions_.uinputProblem);
        sections->addWidget(uinputBanner_);
    }
    banner_ = new AccessibilityBanner([this] { grantAccess(); }, [this] { revealApplication(); });
    status_ = new StatusCard(context_);
    sticks_ = new SticksRow(context_);
    settings_ = new SettingsCard(context_);
    behavior_ = new BehaviorCard(context_);
    touchpad_ = new TouchpadCard(context_);
    tiles_ = new TilesRow(context_, actions_);
    for (QWidget* section : std::initializer_list<QWidget*>{banner_, status_, sticks_, settings_,
                                                            behavior_, touchpad_, tiles_}) {
        sections->addWidget(section);
    }
    sections->addStretch(1);
    scroll_->setWidget(body);
    column->addWidget(scroll_, 1);

    ControllerManager& mgr = context_.manager;
    subscriptions_.push_back(mgr.objectWillChange.connect([this] { scheduleRefresh(); }));
    subscriptions_.push_back(
        context_.keyboard.objectWillChange.connect([this] { scheduleRefresh(); }));
    // Granted access ends the waiting state, so a later revocation shows the steps again.
    subscriptions_.push_back(
        mgr.accessibility.willChange.connect([this, &mgr](const bool& trusted) {
            if (trusted && !mgr.accessibility.get()) {
                accessibilityRequested_ = false;
                scheduleRefresh();
            }
        }));
    refresh();
}

ContentView::~ContentView() = default;

void ContentView::scheduleRefresh() {
    postCoalesced(this, refreshPending_, [this] { refresh(); });
}

void ContentView::refresh() {
    const ControllerManager& mgr = context_.manager;
    hebrew_ = isHebrew(context_.languages);
    const Qt::LayoutDirection direction = hebrew_ ? Qt::RightToLeft : Qt::LeftToRight;
    if (layoutDirection() != direction) {
        setLayoutDirection(direction);
    }
    const bool connected = mgr.isConnected;

    header_->refresh(hebrew_);
    if (uinputBanner_) {
        uinputBanner_->refresh(hebrew_);
    }
    banner_->setVisible(!mgr.accessibility.get());
    banner_->refresh(accessibilityRequested_, hebrew_);
    status_->refresh(hebrew_);
    sticks_->setVisible(connected);
    sticks_->refresh(hebrew_);
    settings_->refresh(hebrew_);
    behavior_->refresh(hebrew_);
    touchpad_->setVisible(connected && mgr.hasTouchpad.get());
    touchpad_->refresh(hebrew_);
    tiles_->refresh(hebrew_);
}

void ContentView::grantAccess() {
    accessibilityRequested_ = true;
    refresh();
    context_.accessibility.requestTrustWithPrompt();
}

void ContentView::revealApplication() {
    context_.workspace.revealFile(actions_.executablePath.toStdString());
}

void ContentView::quit() {
    releaseHeldClicks(context_.mouse);
    if (actions_.quit) {
        actions_.quit();
    }
}

}  // namespace joyvane::ui
