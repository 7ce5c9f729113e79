#include "ui/windows/combos_tab.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "engine/controller_manager.h"
#include "ui/controls/card_section.h"
#include "ui/controls/style.h"
#include "ui/controls/symbol_button.h"
#include "ui/controls/symbol_label.h"
#include "ui/windows/action_picker.h"
#include "ui/windows/window_controls.h"
#include "ui/windows/window_text.h"

namespace joyvane::ui {

namespace {

// A button of a combo: its symbol and its short name.
void addButtonName(QHBoxLayout* row, ButtonID id, QWidget* parent) {
    row->addWidget(new SymbolLabel(std::string(icon(id)), textFont(TextStyle::caption2).pixelSize(),
                                   colors::blue(), parent));
    auto* name = new QLabel(qstr(shortName(id)), parent);
    styleLabel(name, systemFont(11, QFont::DemiBold), colors::primary());
    row->addWidget(name);
}

}  // namespace

ComboRow::ComboRow(ComboID combo, Binding<ButtonAction> action, bool hebrew, QWidget* parent)
    : QWidget(parent), combo_(combo), action_(std::move(action)) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 5, 0, 5);
    auto* name = new QWidget(this);
    name->setFixedWidth(140);
    auto* nameRow = new QHBoxLayout(name);
    nameRow->setContentsMargins(0, 0, 0, 0);
    nameRow->setSpacing(4);
    addButtonName(nameRow, combo.a, name);
    auto* plus = new QLabel(QStringLiteral("+"), name);
    styleLabel(plus, textFont(TextStyle::caption2), colors::secondary());
    nameRow->addWidget(plus);
    addButtonName(nameRow, combo.b, name);
    nameRow->addStretch(1);
    picker_ = new ActionPicker(hebrew, 190, this);
    picker_->onPicked([this](ButtonAction picked) { action_.set(picked); });
    row->addWidget(name);
    row->addStretch(1);
    row->addWidget(picker_);
    refresh();
}

void ComboRow::refresh() {
    picker_->setAction(action_.get());
}

CombosTab::CombosTab(ControllerManager& manager, const LanguageSource& languages, QWidget* parent)
    : QWidget(parent), mgr_(manager), watcher_(this, [this] { refresh(); }) {
    bool hebrew = isHebrew(languages);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto* header = new QWidget(this);
    auto* headerRow = new QHBoxLayout(header);
    headerRow->setContentsMargins(16, 10, 16, 10);
    auto* explanation =
        new QLabel(uiText(hebrew, "Press two buttons simultaneously for a unique action",
                          "לחץ שני כפתורים בו-זמנית לפעולה ייחודית"),
                   header);
    styleLabel(explanation, textFont(TextStyle::caption), colors::secondary());
    resetButton_ =
        makeSymbolOnlyButton("arrow.counterclockwise", 12, colors::blue(),
                             uiText(hebrew, "Reset Defaults", "אפס ברירות מחדל"), header);
    QObject::connect(resetButton_, &QAbstractButton::clicked, this,
                     [this] { mgr_.comboMap = ControllerManager::defaultComboMap(); });
    headerRow->addWidget(explanation);
    headerRow->addStretch(1);
    headerRow->addWidget(resetButton_);
    column->addWidget(header);
    column->addWidget(makeDivider(this));

    auto* list = new InsetList(this);
    for (const ComboID& combo : ControllerManager::availableCombos()) {
        auto* row = new ComboRow(combo, comboBinding(combo), hebrew);
        rows_[combo] = row;
        list->addRow(row);
    }
    column->addWidget(list, 1);
    watcher_.watch(mgr_.comboMap);
}

Binding<ButtonAction> CombosTab::comboBinding(ComboID combo) {
    // A combo without an entry reads as none; every choice is stored, none included.
    return {[this, combo] { return actionFor(mgr_.comboMap.get(), combo); },
            [this, combo](ButtonAction action) {
                ComboMap map = mgr_.comboMap;
                map[combo] = action;
                mgr_.comboMap = std::move(map);
            }};
}

void CombosTab::refresh() {
    for (auto& [combo, row] : rows_) {
        row->refresh();
    }
}

}  // namespace joyvane::ui
