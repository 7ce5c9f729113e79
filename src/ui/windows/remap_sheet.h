#pragma once

#include <QWidget>
#include <functional>
#include <map>

#include "core/language.h"
#include "mapping/maps.h"
#include "ui/controls/binding.h"

class QAbstractButton;

namespace joyvane::ui {

class ActionPicker;

// One line of the Button Mapping list: the button's symbol and label, and a picker bound to the
// action chosen for it.
class RemapRow : public QWidget {
  public:
    RemapRow(ButtonID id, Binding<ButtonAction> action, bool hebrew, QWidget* parent = nullptr);
    // Shows the bound value again.
    void refresh();
    ButtonID id() const { return id_; }
    ActionPicker* picker() const { return picker_; }

  private:
    ButtonID id_;
    Binding<ButtonAction> action_;
    ActionPicker* picker_;
};

// The Button Mapping window's content. It edits a copy of the button map; saving hands the copy
// back and closes, the reset writes the defaults at once and stays open, and closing the window
// any other way discards the edits.
class RemapSheet : public QWidget {
  public:
    using SaveMap = std::function<void(const ButtonMap&)>;

    RemapSheet(ButtonMap initialMap, SaveMap onSave, std::function<void()> onReset,
               std::function<void()> onClose, const LanguageSource& languages,
               QWidget* parent = nullptr);

    const ButtonMap& localMap() const { return localMap_; }
    RemapRow* row(ButtonID id) const { return rows_.at(id); }
    QAbstractButton* closeSymbolButton() const { return closeButton_; }
    QAbstractButton* resetButton() const { return resetButton_; }
    QAbstractButton* saveButton() const { return saveButton_; }

    // Save & close: hands the edited map to onSave, then closes.
    void saveAndClose();
    // Shows the default map and applies it at once through onReset; the window stays open.
    void resetToDefaults();

  private:
    Binding<ButtonAction> localBinding(ButtonID id);
    QWidget* buildHeader(bool hebrew);
    QWidget* buildFooter(bool hebrew);

    ButtonMap localMap_;
    SaveMap onSave_;
    std::function<void()> onReset_;
    std::function<void()> onClose_;
    std::map<ButtonID, RemapRow*> rows_;
    QAbstractButton* closeButton_ = nullptr;
    QAbstractButton* resetButton_ = nullptr;
    QAbstractButton* saveButton_ = nullptr;
};

}  // namespace joyvane::ui
