// The application the end-to-end tests type into: a text field and a button. Whenever the
// field's text, the focus or the window's place changes it rewrites a small state file (given
// as the first argument, or e2e_text_app.state here) that the test reads. Focus starts on the
// button. Its three lines:
//   the field's text, UTF-8
//   field, button or none: what has the focus
//   <x> <y> <width> <height>: the field's global position
// With --huge-list instead it is a hostile accessible application: its one window shows a list
// that claims ten million items to the accessibility bus, and nothing in it takes focus, so a
// program looking for the focused element has to search the window.
#include <QAbstractListModel>
#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>
#include <QWidget>

namespace {

class TextApp : public QWidget {
  public:
    explicit TextApp(QString stateFile) : stateFile_(std::move(stateFile)) {
        setWindowTitle("Joyvane test text field");
        auto* layout = new QVBoxLayout(this);
        field_ = new QLineEdit;
        button_ = new QPushButton("Done");
        layout->addWidget(field_);
        layout->addWidget(button_);
        QObject::connect(field_, &QLineEdit::textChanged, this, [this] { save(); });
        QObject::connect(qApp, &QApplication::focusChanged, this, [this] { save(); });
        show();
        // Active from the start, as an application the user just opened; focus starts on the
        // button, so the field gets it only when clicked.
        activateWindow();
        button_->setFocus();
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
        if (file.open(QIODevice::WriteOnly)) {
            file.write((field_->text() + "\n" + focus + "\n" + geometry + "\n").toUtf8());
            file.commit();
        }
    }

    QString stateFile_;
    QLineEdit* field_ = nullptr;
    QPushButton* button_ = nullptr;
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
    if (argc > 1 && QString(argv[1]) == "--huge-list") {
        HugeModel model;
        QListView list;
        list.setUniformItemSizes(true);
        list.setFocusPolicy(Qt::NoFocus);
        list.setModel(&model);
        list.resize(400, 300);
        list.show();
        return QApplication::exec();
    }
    TextApp window(QString::fromLocal8Bit(argc > 1 ? argv[1] : "e2e_text_app.state"));
    return QApplication::exec();
}
