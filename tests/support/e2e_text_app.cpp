// The Qt application the desktop tests focus and type into: a maximized window with an editable
// line, a button, a read-only text view and a label that takes keyboard focus, in that tab order.
// The focus starts in the line, or on the button with --start-on-button. Commands on standard
// input move the focus ("line", "button"); whether the application is active is reported on
// standard output ("active", "inactive"), a line each. Given a file name, it rewrites that state
// file whenever the line's text, the focus or the window's place changes. Its three lines:
//   the line's text, UTF-8
//   field, button or none: what has the focus
//   <x> <y> <width> <height>: the line's global position
// With --huge-list instead it is a hostile accessible application: its one window shows a list
// that claims ten million items to the accessibility bus, and nothing in it takes focus, so a
// program looking for the focused element has to search the window.
#include <QAbstractListModel>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSocketNotifier>
#include <QTextEdit>
#include <QVBoxLayout>
#include <iostream>
#include <string>

namespace {

class TextApp : public QWidget {
  public:
    explicit TextApp(QString stateFile) : stateFile_(std::move(stateFile)) {
        auto* layout = new QVBoxLayout(this);
        auto* view = new QTextEdit("Read-only text");
        view->setReadOnly(true);
        view->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
        view->setTabChangesFocus(true);
        auto* label = new QLabel("A label");
        label->setTextInteractionFlags(Qt::TextSelectableByKeyboard);
        // Reached by Tab only: a click that activates the window leaves the focus where it was.
        view->setFocusPolicy(Qt::TabFocus);
        label->setFocusPolicy(Qt::TabFocus);
        button_->setFocusPolicy(Qt::StrongFocus);
        for (QWidget* widget : std::initializer_list<QWidget*>{field_, button_, view, label}) {
            layout->addWidget(widget);
        }
        QObject::connect(field_, &QLineEdit::textChanged, this, [this] { save(); });
        QObject::connect(qApp, &QApplication::focusChanged, this, [this] { save(); });
        QObject::connect(qApp, &QGuiApplication::applicationStateChanged, [](auto state) {
            std::cout << (state == Qt::ApplicationActive ? "active" : "inactive") << std::endl;
        });
        QObject::connect(&input_, &QSocketNotifier::activated, [this] {
            std::string command;
            if (!std::getline(std::cin, command)) {
                input_.setEnabled(false);  // no commands will come
                return;
            }
            (command == "line" ? static_cast<QWidget*>(field_) : button_)->setFocus();
        });
        showMaximized();  // room to click it wherever the compositor puts other windows
        // Active from the start, as an application the user just opened.
        activateWindow();
        bool onButton = qApp->arguments().contains("--start-on-button");
        (onButton ? static_cast<QWidget*>(button_) : field_)->setFocus();
    }

  private:
    // The window manager places the window after it is shown.
    void moveEvent(QMoveEvent*) override { save(); }
    void resizeEvent(QResizeEvent*) override { save(); }

    void save() {
        QPoint origin = field_->mapToGlobal(QPoint(0, 0));
        QString geometry = QString::asprintf("%d %d %d %d", origin.x(), origin.y(), field_->width(),
                                             field_->height());
        QString focus = field_->hasFocus() ? "field" : button_->hasFocus() ? "button" : "none";
        QSaveFile file(stateFile_);
        if (!stateFile_.isEmpty() && file.open(QIODevice::WriteOnly)) {
            file.write((field_->text() + "\n" + focus + "\n" + geometry + "\n").toUtf8());
            file.commit();
        }
    }

    QString stateFile_;
    QLineEdit* field_ = new QLineEdit;
    QPushButton* button_ = new QPushButton("Done");
    QSocketNotifier input_{0, QSocketNotifier::Read};
};

class HugeModel : public QAbstractListModel {
  public:
    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : 10'000'000;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        return role == Qt::DisplayRole ? QVariant(index.row()) : QVariant();
    }
};

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    QApplication app(argc, argv);
    app.setApplicationName("joyvane-focus-helper");
    if (app.arguments().contains("--huge-list")) {
        HugeModel model;
        QListView list;
        list.setUniformItemSizes(true);
        list.setFocusPolicy(Qt::NoFocus);
        list.setModel(&model);
        list.resize(400, 300);
        list.show();
        return QApplication::exec();
    }
    QStringList files = app.arguments().mid(1).filter(QRegularExpression("^[^-]"));
    TextApp window(files.value(0));
    return QApplication::exec();
}
