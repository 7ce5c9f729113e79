#pragma once

#include <QBoxLayout>
#include <QPushButton>
#include <string>

class QLabel;

namespace joyvane::ui {

class SymbolLabel;

// A plain (flat) button whose face is a symbol and a caption, side by side or stacked.
class SymbolButton : public QPushButton {
    Q_OBJECT
  public:
    SymbolButton(QBoxLayout::Direction direction, int symbolSize, const QFont& font,
                 QWidget* parent = nullptr);

    void setFace(const std::string& symbol, const QColor& symbolColor, const QString& text,
                 const QColor& textColor);

    SymbolLabel* symbol() const { return symbol_; }
    QLabel* caption() const { return caption_; }
    QBoxLayout* faceLayout() const { return face_; }

  private:
    QBoxLayout* face_;
    SymbolLabel* symbol_;
    QLabel* caption_;
};

}  // namespace joyvane::ui
