// A Qt window for the focus tests: an editable line, a button, a read-only text view and a label
// that takes keyboard focus, in that tab order. The focus starts in the line, or on the button
// with --start-on-button. Commands on standard input move the focus ("line", "button"); whether
// the application is active is reported on standard output ("active", "inactive"), a line each.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QWidget>
#include <iostream>
#include <string>

// One report a line, flushed at once.
static void report(const char* what) {
    std::cout << what << std::endl;
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName("joyvane-focus-helper");
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* line = new QLineEdit;
    auto* button = new QPushButton("Button");
    button->setFocusPolicy(Qt::StrongFocus);
    auto* view = new QTextEdit("Read-only text");
    view->setReadOnly(true);
    view->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    view->setTabChangesFocus(true);
    auto* label = new QLabel("A label");
    label->setTextInteractionFlags(Qt::TextSelectableByKeyboard);
    // Reached by Tab only: a click that activates the window leaves the focus where it was.
    view->setFocusPolicy(Qt::TabFocus);
    label->setFocusPolicy(Qt::TabFocus);
    for (QWidget* widget : {static_cast<QWidget*>(line), static_cast<QWidget*>(button),
                            static_cast<QWidget*>(view), static_cast<QWidget*>(label)}) {
        layout->addWidget(widget);
    }
    QObject::connect(&app, &QGuiApplication::applicationStateChanged, [](Qt::ApplicationState s) {
        report(s == Qt::ApplicationActive ? "active" : "inactive");
    });
    QSocketNotifier input(0, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        std::string command;
        if (!std::getline(std::cin, command)) {
            input.setEnabled(false);  // no commands will come
            return;
        }
        (command == "line" ? static_cast<QWidget*>(line) : button)->setFocus();
    });
    window.showMaximized();  // room to click it wherever the compositor puts other windows
    window.activateWindow();
    (app.arguments().contains("--start-on-button") ? static_cast<QWidget*>(button) : line)
        ->setFocus();
    return app.exec();
}
