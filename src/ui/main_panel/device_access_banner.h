#pragma once

#include <QFrame>
#include <QStringList>
#include <functional>
#include <optional>

class QLabel;
class QPushButton;

namespace joyvane::ui {

class ContentView;

// What the device-access banner tells: the controllers whose device node the program cannot
// open (such as "DualSense over USB (/dev/hidraw3)" — the words "over USB" are put in the
// interface language from `bus`), and the command that fixes it.
struct DeviceAccessNotice {
    struct Controller {
        QString model;
        QString bus;  // "USB", "Bluetooth"
        QString node;
    };
    QList<Controller> controllers;
    QString command;
};

// Shown in the main panel while a PlayStation controller's touchpad and exact battery are out of
// reach for lack of access to its device node: what is missing, the one command that fixes it
// (with a button that copies it) and "Check Again". Hidden when there is nothing to tell. Its
// language follows the panel's layout direction (right to left is Hebrew).
class DeviceAccessBanner : public QFrame {
    Q_OBJECT
  public:
    explicit DeviceAccessBanner(std::function<void()> checkAgain, QWidget* parent = nullptr);

    void setNotice(std::optional<DeviceAccessNotice> notice);

    QLabel* title() const { return title_; }
    QLabel* explanation() const { return explanation_; }
    QLabel* commandIntro() const { return commandIntro_; }
    QLabel* command() const { return command_; }
    QPushButton* copyButton() const { return copy_; }
    QPushButton* checkAgainButton() const { return checkAgain_; }

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void refresh();

    std::optional<DeviceAccessNotice> notice_;
    QLabel* title_;
    QLabel* explanation_;
    QLabel* commandIntro_;
    QLabel* command_;
    QPushButton* copy_;
    QPushButton* checkAgain_;
};

// Puts the banner at the top of the panel's scrolling column, above the accessibility banner.
void addToPanel(ContentView& panel, DeviceAccessBanner* banner);

}  // namespace joyvane::ui
