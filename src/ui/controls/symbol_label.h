#pragma once

#include <QColor>
#include <QLabel>
#include <string>

class QHBoxLayout;

namespace joyvane::ui {

// A label that shows one symbol of the symbol table in one colour. It remembers what it shows,
// so tests and refreshes can compare cheaply.
class SymbolLabel : public QLabel {
    Q_OBJECT
  public:
    explicit SymbolLabel(int size, QWidget* parent = nullptr);
    SymbolLabel(std::string name, int size, QColor color, QWidget* parent = nullptr);

    // Redraws only when something changed.
    void setSymbol(const std::string& name, const QColor& color);
    void setSymbolSize(int size);

    const std::string& symbolName() const { return name_; }
    QColor symbolColor() const { return color_; }
    int symbolSize() const { return size_; }

  private:
    void redraw();

    std::string name_;
    QColor color_;
    int size_;
};

// Lays `owner` out as a settings row and puts the row's blue symbol first, in the fixed-width
// column every settings row shares so that their labels line up; the caller adds the rest.
QHBoxLayout* settingsRowWithSymbol(QWidget* owner, const std::string& icon);

}  // namespace joyvane::ui
