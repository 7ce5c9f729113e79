// A small Qt window for the focus tests: an editable line, a button, a read-only text view and a
// label that takes keyboard focus, in that tab order.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName("joyvane-focus-helper");
    QWidget window;
    window.setWindowTitle("Focus helper");
    auto* layout = new QVBoxLayout(&window);
    auto* line = new QLineEdit;
    line->setObjectName("line");
    auto* button = new QPushButton("Button");
    button->setFocusPolicy(Qt::StrongFocus);
    auto* view = new QTextEdit("Read-only text");
    view->setReadOnly(true);
    view->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    view->setFocusPolicy(Qt::StrongFocus);
    view->setTabChangesFocus(true);
    auto* label = new QLabel("A label");
    label->setTextInteractionFlags(Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::StrongFocus);
    layout->addWidget(line);
    layout->addWidget(button);
    layout->addWidget(view);
    layout->addWidget(label);
    window.resize(400, 300);
    window.show();
    window.activateWindow();
    line->setFocus();
    return app.exec();
}
