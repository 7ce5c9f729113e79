#include "ui/main_panel/settings_card.h"

#include <QVBoxLayout>

#include "engine/controller_manager.h"
#include "ui/controls/setting_slider.h"
#include "ui/controls/style.h"
#include "ui/controls/toggle_row.h"

namespace joyvane::ui {

SettingsCard::SettingsCard(const PanelContext& context, QWidget* parent)
    : CardSection(
          QString(), "slider.horizontal.3", [&context] { context.manager.resetSettings(); },
          parent),
      context_(context) {
    ControllerManager& mgr = context.manager;
    speed_ = new SettingSlider(QString(), "cursorarrow.motionlines",
                               bindPublished<double>(mgr.sensitivity), {3, 25});
    scroll_ = new SettingSlider(QString(), "scroll.fill",
                                bindPublished<double>(mgr.scrollSensitivity), {1, 12});
    deadzone_ =
        new SettingSlider(QString(), "target", bindPublished<double>(mgr.deadzone), {0.05, 0.4});
    acceleration_ =
        new SettingSlider(QString(), "hare.fill", bindPublished<double>(mgr.acceleration), {1, 3});
    natural_ =
        new ToggleRow(QString(), "arrow.up.arrow.down", bindPublished<bool>(mgr.naturalScrolling));
    for (QWidget* item : {static_cast<QWidget*>(speed_), static_cast<QWidget*>(scroll_),
                          static_cast<QWidget*>(deadzone_), static_cast<QWidget*>(acceleration_)}) {
        content()->addWidget(item);
    }
    addDivider();
    content()->addWidget(natural_);
}

void SettingsCard::refresh(bool hebrew) {
    setTitle(panelText(hebrew, "Settings", "הגדרות"));
    setResetToolTip(panelText(hebrew, "Reset Defaults", "אפס ברירות מחדל"));

    speed_->setLabel(panelText(hebrew, "Mouse Speed", "מהירות עכבר"));
    setToolTipIfChanged(speed_, panelText(hebrew, "Mouse movement speed with the left stick",
                                          "מהירות תנועת העכבר עם הג'ויסטיק השמאלי"));
    scroll_->setLabel(panelText(hebrew, "Scroll Speed", "מהירות גלילה"));
    setToolTipIfChanged(scroll_, panelText(hebrew, "Scroll speed with the right stick",
                                           "מהירות גלילה עם הג'ויסטיק הימני"));
    deadzone_->setLabel(panelText(hebrew, "Dead Zone", "אזור מת"));
    setToolTipIfChanged(deadzone_,
                        panelText(hebrew, "Minimum distance the stick must move before registering",
                                  "מרחק מינימלי ש-stick צריך לעבור לפני שמתחיל לנוע"));
    acceleration_->setLabel(panelText(hebrew, "Acceleration", "האצה"));
    setToolTipIfChanged(
        acceleration_,
        panelText(hebrew, "Acceleration curve: higher = faster as stick moves further from center",
                  "עקומת האצה: ערך גבוה = מהיר יותר ככל שה-stick רחוק יותר מהמרכז"));
    natural_->setLabel(panelText(hebrew, "Natural Scrolling", "גלילה טבעית"));
    setToolTipIfChanged(natural_,
                        context_.manager.naturalScrolling
                            ? panelText(hebrew, "Stick up → content scrolls up (iOS style)",
                                        "Stick למעלה → תוכן עולה (iOS style)")
                            : panelText(hebrew, "Stick up → content scrolls down (mouse style)",
                                        "Stick למעלה → תוכן יורד (mouse style)"));

    for (SettingSlider* slider : {speed_, scroll_, deadzone_, acceleration_}) {
        slider->refresh();
    }
    natural_->refresh();
}

}  // namespace joyvane::ui
