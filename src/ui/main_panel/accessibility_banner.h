#pragma once

#include <QFrame>
#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;

namespace joyvane::ui {

class SymbolButton;

// Shown while the program lacks accessibility trust: what it is for, the steps to grant it and
// "Grant Access"; after the request, a waiting line and a way to find the program's own file.
class AccessibilityBanner : public QFrame {
    Q_OBJECT
  public:
    AccessibilityBanner(std::function<void()> grantAccess, std::function<void()> reveal,
                        QWidget* parent = nullptr);

    // `requested`: the user asked for access and the program waits for it.
    void refresh(bool requested, bool hebrew);

    QLabel* title() const { return title_; }
    QLabel* explanation() const { return explanation_; }
    QWidget* steps() const { return steps_; }
    QLabel* stepText(int index) const { return stepTexts_[index]; }
    SymbolButton* grantButton() const { return grant_; }
    QWidget* waitingRow() const { return waiting_; }
    QLabel* waitingText() const { return waitingText_; }
    QPushButton* revealButton() const { return reveal_; }

  private:
    QLabel* title_;
    QLabel* explanation_;
    QWidget* steps_;
    QLabel* stepTexts_[3];
    SymbolButton* grant_;
    QWidget* waiting_;
    QLabel* waitingText_;
    QPushButton* reveal_;
};

}  // namespace joyvane::ui
