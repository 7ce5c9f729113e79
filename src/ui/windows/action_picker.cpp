#include "ui/windows/action_picker.h"

#include <algorithm>

#include "ui/controls/style.h"
#include "ui/controls/symbols.h"
#include "ui/windows/window_text.h"

namespace joyvane::ui {

ActionPicker::ActionPicker(bool hebrew, int width, QWidget* parent) : QComboBox(parent) {
    setFont(textFont(TextStyle::body));
    setIconSize(QSize(14, 14));
    for (ButtonAction action : allButtonActions) {
        addItem(symbolIcon(icon(action), 14, colors::primary()), qstr(displayName(action, hebrew)),
                static_cast<int>(action));
    }
    // `width`, or wider where an entry needs it: a shortcut's chord ("Ctrl+Alt+→") must show
    // whole.
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
    setFixedWidth(std::max(width, sizeHint().width()));
}

void ActionPicker::setAction(ButtonAction action) {
    int index = findData(static_cast<int>(action));
    if (index != currentIndex()) {
        setCurrentIndex(index);
    }
}

ButtonAction ActionPicker::action() const {
    return static_cast<ButtonAction>(currentData().toInt());
}

void ActionPicker::onPicked(std::function<void(ButtonAction)> picked) {
    QObject::connect(this, &QComboBox::activated, this, [this, picked = std::move(picked)](int i) {
        picked(static_cast<ButtonAction>(itemData(i).toInt()));
    });
}

void ActionPicker::pick(ButtonAction action) {
    int index = findData(static_cast<int>(action));
    setCurrentIndex(index);
    Q_EMIT activated(index);
}

}  // namespace joyvane::ui
