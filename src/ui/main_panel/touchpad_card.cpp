#include "ui/main_panel/touchpad_card.h"

#include <QFrame>
#include <QVBoxLayout>

#include "engine/controller_manager.h"
#include "ui/controls/setting_slider.h"
#include "ui/controls/style.h"
#include "ui/controls/toggle_row.h"

namespace joyvane::ui {

TouchpadCard::TouchpadCard(const PanelContext& context, QWidget* parent)
    : CardSection(QString(), "rectangle.roundedtop.fill", {}, parent), context_(context) {
    ControllerManager& mgr = context.manager;
    movement_ = new ToggleRow(QString(), "hand.point.up.left.fill",
                              bindPublished<bool>(mgr.touchpadEnabled));
    sensitivity_ = new SettingSlider(QString(), "hand.tap",
                                     bindPublished<double>(mgr.touchpadSensitivity), {100, 700});
    content()->addWidget(movement_);
    divider_ = addDivider();
    content()->addWidget(sensitivity_);
}

void TouchpadCard::refresh(bool hebrew) {
    setTitle(panelText(hebrew, "Touchpad", "לוח מגע"));
    movement_->setLabel(panelText(hebrew, "Touchpad Movement", "תנועה בלוח המגע"));
    setToolTipIfChanged(
        movement_, panelText(hebrew, "Move finger on the controller touchpad to control the mouse",
                             "הזז אצבע על לוח המגע של השלט לשליטה בעכבר"));
    sensitivity_->setLabel(panelText(hebrew, "Touch Sensitivity", "רגישות מגע"));
    setToolTipIfChanged(sensitivity_,
                        panelText(hebrew, "How much small touchpad movement moves the cursor",
                                  "עד כמה תנועה קטנה על לוח המגע מזיזה את העכבר"));
    movement_->refresh();
    const bool on = context_.manager.touchpadEnabled;
    divider_->setVisible(on);
    sensitivity_->setVisible(on);
    sensitivity_->refresh();
}

}  // namespace joyvane::ui
