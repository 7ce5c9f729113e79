#include "ui/main_panel/tiles_row.h"

#include <QHBoxLayout>

#include "engine/controller_manager.h"
#include "ui/controls/card_section.h"
#include "ui/controls/style.h"
#include "ui/controls/symbol_button.h"

namespace joyvane::ui {
namespace {
SymbolButton* makeTile(const QString& name) {
    auto* tile = new SymbolButton(QBoxLayout::TopToBottom, 20, textFont(TextStyle::caption));
    tile->setObjectName(name);
    tile->faceLayout()->setContentsMargins(12, 12, 12, 12);
    applyCardBackground(tile);
    return tile;
}
}  // namespace

TilesRow::TilesRow(const PanelContext& context, const PanelActions& actions, QWidget* parent)
    : QWidget(parent), context_(context), actions_(actions) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(10);
    mapping_ = makeTile(QStringLiteral("mappingTile"));
    advanced_ = makeTile(QStringLiteral("advancedTile"));
    row->addWidget(mapping_, 1);
    row->addWidget(advanced_, 1);
    connect(mapping_, &SymbolButton::clicked, this, &TilesRow::openMapping);
    connect(advanced_, &SymbolButton::clicked, this, [this] {
        if (actions_.openAdvanced) {
            actions_.openAdvanced();
        }
    });
}

void TilesRow::openMapping() {
    if (!actions_.openRemap) {
        return;
    }
    ControllerManager& mgr = context_.manager;
    actions_.openRemap(
        mgr.buttonMap, [&mgr](const ButtonMap& map) { mgr.buttonMap = map; },
        [&mgr] { mgr.buttonMap = ControllerManager::defaultButtonMap(); });
}

void TilesRow::refresh(bool hebrew) {
    mapping_->setFace("keyboard", colors::blue(),
                      panelText(hebrew, "Button Mapping", "מיפוי כפתורים"), colors::primary());
    advanced_->setFace("gearshape.2", colors::blue(), panelText(hebrew, "Advanced", "מתקדם"),
                       colors::primary());
    setToolTipIfChanged(advanced_, panelText(hebrew, "Gestures, battery info and firmware",
                                             "מחוות, מידע סוללה ופירמוור"));
}

}  // namespace joyvane::ui
