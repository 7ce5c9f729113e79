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
    // Draws a filled rounded rectangle behind the face instead of the button's own look (a
    // clear colour draws nothing). Painted directly, so no style sheet touches the face.
    void setBackground(const QColor& fill, int radius);
    QColor background() const { return background_; }

    SymbolLabel* symbol() const { return symbol_; }
    QLabel* caption() const { return caption_; }
    QBoxLayout* faceLayout() const { return face_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor background_;  // invalid: the flat push button's own look
    int radius_ = 0;
    QBoxLayout* face_;
    SymbolLabel* symbol_;
    QLabel* caption_;
};

}  // namespace joyvane::ui
