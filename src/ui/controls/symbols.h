#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <span>
#include <string_view>

#include "ui/controls/symbol_drawing.h"

namespace joyvane::ui {

// How a theme icon is adjusted to read as the named symbol.
enum class SymbolDecoration {
    none,
    chevronBelow,  // the glyph made smaller with a downward chevron under it
};

// One symbol of the interface, named by its system symbol name ("gamecontroller.fill", ...),
// with the freedesktop icon-theme icon that shows it and a drawing for desktops whose theme
// lacks that icon. An empty theme name means the drawing is always used.
struct SymbolEntry {
    std::string_view name;
    const char* themeIcon;
    SymbolDecoration decoration;
    DrawnSymbol drawn;
};

// Every symbol the interface uses.
std::span<const SymbolEntry> symbolTable();
// Null for a name not in the table.
const SymbolEntry* findSymbol(std::string_view name);

// The symbol as a square pixmap of `size` pixels in one colour. Theme icons are recoloured;
// a name not in the table, or a theme without the icon, gives the drawn form.
QPixmap symbolPixmap(std::string_view name, int size, const QColor& color);
QIcon symbolIcon(std::string_view name, int size, const QColor& color);

// Whether the current icon theme supplies the symbol (false: it is drawn).
bool symbolFromTheme(std::string_view name);

}  // namespace joyvane::ui
