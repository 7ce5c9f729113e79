// A Wayland Qt window with a line edit and a button for the focus tests. Commands on standard
// input move the focus ("line", "button"); each focus change
// and activation is reported on standard output, one word a line.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSocketNotifier>
#include <QVBoxLayout>
#include <QWidget>
#include <cstdio>
#include <iostream>
#include <string>

namespace {

void report(const char* what) {
    std::printf("%s\n", what);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName("joyvane-wayland-text-app");
    QWidget window;
    window.setWindowTitle("Text app");
    auto* layout = new QVBoxLayout(&window);
    auto* line = new QLineEdit;
    auto* button = new QPushButton("Button");
    button->setFocusPolicy(Qt::StrongFocus);
    layout->addWidget(button);
    layout->addWidget(line);
    window.resize(400, 200);
    QObject::connect(&app, &QApplication::focusChanged, [line](QWidget*, QWidget* now) {
        report(now == line ? "focus-line" : "focus-other");
    });
    QObject::connect(&app, &QGuiApplication::applicationStateChanged, [](Qt::ApplicationState s) {
        report(s == Qt::ApplicationActive ? "active" : "inactive");
    });
    QSocketNotifier input(0, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        std::string command;
        if (!std::getline(std::cin, command)) {
            app.quit();
            return;
        }
        if (command == "line") {
            line->setFocus();
        } else if (command == "button") {
            button->setFocus();
        }
    });
    window.showMaximized();  // room to click it wherever the compositor puts other windows
    button->setFocus();
    return app.exec();
}
