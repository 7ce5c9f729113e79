#pragma once

#include <QWidget>
#include <map>
#include <memory>

#include "core/language.h"
#include "mapping/maps.h"
#include "ui/controls/binding.h"
#include "ui/windows/change_watcher.h"

class QAbstractButton;

namespace joyvane {
class ControllerManager;
}

namespace joyvane::ui {

class ActionPicker;

// One combo of the Gestures tab: the two buttons' symbols and short names, and a picker bound to
// the combo's action.
class ComboRow : public QWidget {
  public:
    ComboRow(ComboID combo, Binding<ButtonAction> action, bool hebrew, QWidget* parent = nullptr);
    void refresh();
    ComboID combo() const { return combo_; }
    ActionPicker* picker() const { return picker_; }

  private:
    ComboID combo_;
    Binding<ButtonAction> action_;
    ActionPicker* picker_;
};

// The Gestures tab: the offered combos, each edited straight into the engine's combo map, and a
// reset to the default combos.
class CombosTab : public QWidget {
  public:
    CombosTab(ControllerManager& manager, const LanguageSource& languages,
              QWidget* parent = nullptr);

    ComboRow* row(ComboID combo) const { return rows_.at(combo); }
    QAbstractButton* resetButton() const { return resetButton_; }

  private:
    Binding<ButtonAction> comboBinding(ComboID combo);
    void refresh();

    ControllerManager& mgr_;
    std::map<ComboID, ComboRow*> rows_;
    QAbstractButton* resetButton_ = nullptr;
    ChangeWatcher watcher_;
};

}  // namespace joyvane::ui
