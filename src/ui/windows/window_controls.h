#pragma once

#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <string>

namespace joyvane::ui {

class SymbolButton;

// The prominent (filled blue) push button of the windows' footers.
QPushButton* makeProminentButton(const QString& text, QWidget* parent = nullptr);

// A flat push button whose face is a layout of its own (a symbol, a text, a spinner): it asks for
// the size of that face.
class FaceButton : public QPushButton {
  public:
    explicit FaceButton(QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
};

// A plain push button drawn as text only.
QPushButton* makePlainTextButton(const QString& text, const QColor& color, const QFont& font,
                                 QWidget* parent = nullptr);

// A plain button that shows only a symbol, centred in a square of this size, with a tooltip.
inline constexpr int kSymbolOnlyButtonSize = 24;
SymbolButton* makeSymbolOnlyButton(const std::string& symbol, int size, const QColor& color,
                                   const QString& toolTip, QWidget* parent = nullptr);

// An inset list: a scrolling area holding a rounded card; rows go into `rows`, separated by
// hairlines.
class InsetList : public QScrollArea {
  public:
    explicit InsetList(QWidget* parent = nullptr);
    void addRow(QWidget* row);

  private:
    QVBoxLayout* rows_;
    int count_ = 0;
};

// Sets the reading direction of a window's content from the interface language.
void applyReadingDirection(QWidget* widget, bool hebrew);

}  // namespace joyvane::ui
