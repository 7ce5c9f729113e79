#include "ui/main_panel/behavior_card.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

#include "engine/controller_manager.h"
#include "keyboard/ps_keyboard_controller.h"
#include "ui/controls/style.h"
#include "ui/controls/symbol_button.h"
#include "ui/controls/symbol_label.h"
#include "ui/controls/toggle_row.h"

namespace joyvane::ui {

BehaviorCard::BehaviorCard(const PanelContext& context, QWidget* parent)
    : CardSection(QString(), "gear", {}, parent), context_(context) {
    ControllerManager& mgr = context.manager;
    launch_ = new ToggleRow(QString(), "power.circle",
                            {[&mgr] { return mgr.launchAtLogin.get(); },
                             [this, &mgr](bool on) {
                                 mgr.setLaunchAtLogin(on);
                                 launchFailure_->setVisible(on && !mgr.launchAtLogin.get());
                             }});
    launchFailure_ = new QLabel;
    launchFailure_->setObjectName(QStringLiteral("launchFailure"));
    launchFailure_->setWordWrap(true);
    styleLabel(launchFailure_, textFont(TextStyle::caption), colors::red());
    launchFailure_->hide();
    autoEnable_ =
        new ToggleRow(QString(), "cable.connector", bindPublished<bool>(mgr.autoEnableOnConnect));
    keyboard_ = new ToggleRow(QString(), "keyboard",
                              {[&mgr] { return mgr.keyboardFeatureEnabled().get(); },
                               [&mgr](bool on) { mgr.setKeyboardFeatureEnabled(on); }});
    keyboardButton_ = new SymbolButton(QBoxLayout::LeftToRight, 16, textFont(TextStyle::caption));
    keyboardButton_->setObjectName(QStringLiteral("keyboardButton"));
    keyboardButton_->symbol()->setFixedWidth(18);
    connect(keyboardButton_, &SymbolButton::clicked, this, [this] { context_.keyboard.toggle(); });

    content()->addWidget(launch_);
    content()->addWidget(launchFailure_);
    addDivider();
    content()->addWidget(autoEnable_);
    addDivider();
    content()->addWidget(keyboard_);
    keyboardDivider_ = addDivider();
    content()->addWidget(keyboardButton_);
}

void BehaviorCard::refresh(bool hebrew) {
    const ControllerManager& mgr = context_.manager;
    setTitle(panelText(hebrew, "Behavior", "התנהגות"));
    launch_->setLabel(panelText(hebrew, "Launch at Login", "הפעל בעלייה"));
    setToolTipIfChanged(launch_, panelText(hebrew, "Open automatically at computer startup",
                                           "פתח את האפליקציה אוטומטית בכל הפעלת המחשב"));
    setTextIfChanged(launchFailure_, panelText(hebrew, "Could not set up Launch at Login",
                                               "לא ניתן להגדיר הפעלה בעלייה"));
    autoEnable_->setLabel(panelText(hebrew, "Auto-Enable on Connect", "הפעל בחיבור שלט"));
    setToolTipIfChanged(autoEnable_,
                        panelText(hebrew, "Activate automatically when a PS controller connects",
                                  "הפעל שליטה אוטומטית כאשר שלט PS מחובר"));
    keyboard_->setLabel(panelText(hebrew, "PS Keyboard", "מקלדת PS"));
    setToolTipIfChanged(
        keyboard_,
        panelText(hebrew, "Show virtual keyboard automatically when cursor is in a text field",
                  "פתח מקלדת וירטואלית אוטומטית כשהסמן בשדה קלט"));
    for (ToggleRow* row : {launch_, autoEnable_, keyboard_}) {
        row->refresh();
    }

    const bool showButton = mgr.keyboardFeatureEnabled().get() && mgr.isConnected.get();
    keyboardDivider_->setVisible(showButton);
    keyboardButton_->setVisible(showButton);
    if (context_.keyboard.isVisible) {
        keyboardButton_->setFace("keyboard.chevron.compact.down.fill", colors::orange(),
                                 panelText(hebrew, "Hide Keyboard", "הסתר מקלדת"),
                                 colors::primary());
    } else {
        keyboardButton_->setFace("keyboard", colors::blue(),
                                 panelText(hebrew, "Show Keyboard", "הצג מקלדת"),
                                 colors::primary());
    }
    setToolTipIfChanged(
        keyboardButton_,
        panelText(hebrew, "X=select  △=delete  □=space  ○=close  L1=Shift  R1=layout",
                  "X=בחר  △=מחק  □=רווח  ○=סגור  L1=Shift  R1=שפה"));
}

}  // namespace joyvane::ui
