#include "ui/controls/symbol_label.h"

#include <QHBoxLayout>

#include "ui/controls/style.h"
#include "ui/controls/symbols.h"

namespace joyvane::ui {

SymbolLabel::SymbolLabel(int size, QWidget* parent) : QLabel(parent), size_(size) {
    setAlignment(Qt::AlignCenter);
    setFixedSize(size, size);
}

SymbolLabel::SymbolLabel(std::string name, int size, QColor color, QWidget* parent)
    : SymbolLabel(size, parent) {
    setSymbol(name, color);
}

void SymbolLabel::setSymbol(const std::string& name, const QColor& color) {
    if (name == name_ && color == color_ && pixmap().cacheKey() != 0) {
        return;
    }
    name_ = name;
    color_ = color;
    redraw();
}

void SymbolLabel::setSymbolSize(int size) {
    if (size == size_) {
        return;
    }
    size_ = size;
    setFixedSize(size, size);
    redraw();
}

void SymbolLabel::redraw() {
    if (name_.empty()) {
        clear();
        return;
    }
    setPixmap(symbolPixmap(name_, size_, color_));
}

QHBoxLayout* settingsRowWithSymbol(QWidget* owner, const std::string& icon) {
    auto* row = new QHBoxLayout(owner);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);
    auto* symbol = new SymbolLabel(icon, 16, colors::blue());
    symbol->setFixedWidth(18);
    row->addWidget(symbol);
    return row;
}

}  // namespace joyvane::ui
