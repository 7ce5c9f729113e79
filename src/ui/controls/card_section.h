#pragma once

#include <QFrame>
#include <functional>
#include <string>

class QLabel;
class QToolButton;
class QVBoxLayout;

namespace joyvane::ui {

class SymbolLabel;

// A titled card: the title with its symbol, an optional reset button, then the card's body.
class CardSection : public QFrame {
    Q_OBJECT
  public:
    // Without `resetAction` the card shows no reset button.
    CardSection(const QString& title, const std::string& icon,
                std::function<void()> resetAction = {}, QWidget* parent = nullptr);

    // The body: rows are added here, in order.
    QVBoxLayout* content() const { return content_; }
    // A thin line between two rows of the body.
    QFrame* addDivider();

    void setTitle(const QString& title);
    void setResetToolTip(const QString& text);
    QLabel* titleLabel() const { return title_; }
    QToolButton* resetButton() const { return reset_; }

  private:
    QLabel* title_;
    QToolButton* reset_ = nullptr;
    QVBoxLayout* content_;
};

// A horizontal hairline used between rows.
QFrame* makeDivider(QWidget* parent = nullptr);

// The rounded card background used by cards, tiles and the status card.
void applyCardBackground(QWidget* widget, int radius = 12);

}  // namespace joyvane::ui
