#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QFont>
#include <string>
#include <vector>

namespace joyvane::ui {

// A small plain button drawn as a tinted capsule around a row of texts and symbols, as in the
// keyboard panel's header.
class CapsuleButton : public QAbstractButton {
  public:
    struct Part {
        QString text;        // drawn when symbol is empty
        std::string symbol;  // a symbol name
        QFont font;          // the text's font; for a symbol its pixel size is the symbol's size
    };

    explicit CapsuleButton(QWidget* parent = nullptr);

    void setParts(std::vector<Part> parts);
    void setColors(const QColor& background, const QColor& foreground);
    void setPadding(int horizontal, int vertical);

    const std::vector<Part>& parts() const { return parts_; }
    QColor backgroundColor() const { return background_; }
    QColor foregroundColor() const { return foreground_; }
    // The visible words of the label, joined by spaces.
    QString labelText() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QSizeF partSize(const Part& part) const;

    std::vector<Part> parts_;
    QColor background_;
    QColor foreground_;
    int paddingH_ = 8;
    int paddingV_ = 3;
    static constexpr int kSpacing = 4;
};

}  // namespace joyvane::ui
