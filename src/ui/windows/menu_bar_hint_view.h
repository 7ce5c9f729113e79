#pragma once

#include <QWidget>
#include <functional>

class QAbstractButton;

namespace joyvane::ui {

class MockMenuBarStrip;

// The reminder shown when the running program is launched again: where it lives, with the mock
// menu bar, and "Got it", which closes the window.
class MenuBarHintView : public QWidget {
  public:
    MenuBarHintView(bool isHebrew, std::function<void()> closeWindow, QWidget* parent = nullptr);
    QAbstractButton* gotItButton() const { return gotIt_; }
    MockMenuBarStrip* strip() const { return strip_; }

  private:
    QAbstractButton* gotIt_ = nullptr;
    MockMenuBarStrip* strip_ = nullptr;
};

}  // namespace joyvane::ui
