#include "ui/main_panel/sticks_row.h"

#include <QHBoxLayout>

#include "engine/controller_manager.h"
#include "output/mouse_controller.h"
#include "ui/controls/stick_view.h"

namespace joyvane::ui {

SticksRow::SticksRow(const PanelContext& context, QWidget* parent)
    : QWidget(parent), context_(context) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(12);
    mouse_ = new StickView(QString(), "computermouse.fill");
    scroll_ = new StickView(QString(), "arrow.up.and.down.and.arrow.left.and.right");
    row->addWidget(mouse_, 1);
    row->addWidget(scroll_, 1);
}

void SticksRow::refresh(bool hebrew) {
    const ControllerManager& mgr = context_.manager;
    mouse_->setLabel(panelText(hebrew, "Mouse", "עכבר"));
    scroll_->setLabel(panelText(hebrew, "Scroll", "גלילה"));
    mouse_->setState(mgr.leftX, mgr.leftY, context_.mouse.isLeftDown);
    scroll_->setState(mgr.rightX, mgr.rightY, false);
}

}  // namespace joyvane::ui
