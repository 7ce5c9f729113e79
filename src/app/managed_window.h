#pragma once

#include <QSize>
#include <QString>
#include <QWidget>
#include <functional>

namespace joyvane::app {

// How a managed window looks: fixed size (never resizable), title, buttons and level.
struct WindowSpec {
    QString title;
    QSize contentSize;
    bool miniaturizable = false;
    bool stayOnTop = false;  // floats above ordinary windows of every application
};

// A free-standing window that tells its owner, through `willClose`, just before it closes,
// whoever closes it (its close button or the program). It deletes itself once closed.
class ManagedWindow : public QWidget {
    Q_OBJECT
  public:
    ManagedWindow(const WindowSpec& spec, QWidget* content, std::function<void()> willClose);

    QWidget* content() const { return content_; }
    const WindowSpec& spec() const { return spec_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    WindowSpec spec_;
    QWidget* content_;
    std::function<void()> willClose_;
};

// Centres the window on the screen that holds the pointer (the primary screen otherwise).
void centreOnScreen(QWidget* window);

}  // namespace joyvane::app
