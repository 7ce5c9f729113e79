#include "ui/windows/remap_sheet.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QShortcut>
#include <QVBoxLayout>

#include "ui/controls/card_section.h"
#include "ui/controls/style.h"
#include "ui/controls/symbol_button.h"
#include "ui/controls/symbol_label.h"
#include "ui/windows/action_picker.h"
#include "ui/windows/window_controls.h"
#include "ui/windows/window_text.h"

namespace joyvane::ui {

RemapRow::RemapRow(ButtonID id, Binding<ButtonAction> action, bool hebrew, QWidget* parent)
    : QWidget(parent), id_(id), action_(std::move(action)) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 5, 0, 5);
    auto* symbol = new SymbolLabel(std::string(icon(id)), 16, colors::blue(), this);
    symbol->setFixedWidth(22);
    symbol->setAlignment(Qt::AlignCenter);
    auto* label = new QLabel(qstr(rawValue(id)), this);
    styleLabel(label, textFont(TextStyle::subheadline), colors::primary());
    picker_ = new ActionPicker(hebrew, 170, this);
    picker_->onPicked([this](ButtonAction picked) { action_.set(picked); });
    row->addWidget(symbol);
    row->addWidget(label, 1);
    row->addWidget(picker_);
    refresh();
}

void RemapRow::refresh() {
    picker_->setAction(action_.get());
}

RemapSheet::RemapSheet(ButtonMap initialMap, SaveMap onSave, std::function<void()> onReset,
                       std::function<void()> onClose, const LanguageSource& languages,
                       QWidget* parent)
    : QWidget(parent),
      localMap_(std::move(initialMap)),
      onSave_(std::move(onSave)),
      onReset_(std::move(onReset)),
      onClose_(std::move(onClose)) {
    bool hebrew = isHebrew(languages);
    applyReadingDirection(this, hebrew);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(buildHeader(hebrew));
    column->addWidget(makeDivider(this));
    auto* list = new InsetList(this);
    for (ButtonID id : allButtonIDs) {
        auto* row = new RemapRow(id, localBinding(id), hebrew);
        rows_[id] = row;
        list->addRow(row);
    }
    column->addWidget(list, 1);
    column->addWidget(makeDivider(this));
    column->addWidget(buildFooter(hebrew));

    // Return without modifiers saves, wherever the focus is in the window.
    for (int key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, this, [this] { saveAndClose(); });
    }
}

Binding<ButtonAction> RemapSheet::localBinding(ButtonID id) {
    // A button without an entry reads as none; writing adds the entry.
    return {[this, id] { return actionFor(localMap_, id); },
            [this, id](ButtonAction action) { localMap_[id] = action; }};
}

QWidget* RemapSheet::buildHeader(bool hebrew) {
    auto* header = new QWidget(this);
    header->setObjectName(QStringLiteral("remapHeader"));
    header->setAttribute(Qt::WA_StyledBackground, true);
    header->setStyleSheet(QStringLiteral("#remapHeader { background: %1; }")
                              .arg(colors::css(colors::headerBackground())));
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(12, 10, 12, 10);
    closeButton_ = makeSymbolOnlyButton("xmark.circle.fill", 18, colors::secondary(),
                                        uiText(hebrew, "Save & Close", "שמור וסגור"), header);
    QObject::connect(closeButton_, &QAbstractButton::clicked, this, [this] { saveAndClose(); });
    auto* title = new QLabel(uiText(hebrew, "Button Mapping", "מיפוי כפתורים"), header);
    styleLabel(title, textFont(TextStyle::headline), colors::primary());
    resetButton_ = makeSymbolOnlyButton(
        "arrow.counterclockwise", 14, colors::blue(),
        uiText(hebrew, "Reset to default mapping", "אפס למיפוי ברירת מחדל"), header);
    QObject::connect(resetButton_, &QAbstractButton::clicked, this, [this] { resetToDefaults(); });
    row->addWidget(closeButton_);
    row->addStretch(1);
    row->addWidget(title);
    row->addStretch(1);
    row->addWidget(resetButton_);
    return header;
}

QWidget* RemapSheet::buildFooter(bool hebrew) {
    auto* footer = new QWidget(this);
    auto* row = new QHBoxLayout(footer);
    row->setContentsMargins(16, 10, 16, 10);
    row->addStretch(1);
    saveButton_ = makeProminentButton(uiText(hebrew, "Save", "שמור"), footer);
    QObject::connect(saveButton_, &QAbstractButton::clicked, this, [this] { saveAndClose(); });
    row->addWidget(saveButton_);
    return footer;
}

void RemapSheet::saveAndClose() {
    // Copies first: closing may destroy this view.
    ButtonMap map = localMap_;
    auto onSave = onSave_;
    auto onClose = onClose_;
    if (onSave) {
        onSave(map);
    }
    if (onClose) {
        onClose();
    }
}

void RemapSheet::resetToDefaults() {
    localMap_ = defaultButtonMap();
    for (auto& [id, row] : rows_) {
        row->refresh();
    }
    if (onReset_) {
        onReset_();
    }
}

}  // namespace joyvane::ui
