// The application the end-to-end tests type into: a text field and a button. Whenever the
// field's text, the focus or the window's place changes it rewrites a small state file (given
// as the first argument) that the test reads. Focus starts on the button.
//   text=<the field's text, UTF-8>
//   focus=field|button|none
//   field=<x> <y> <width> <height>      global position of the field
//   button=<x> <y> <width> <height>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

namespace {

QString geometryOf(const QWidget* widget) {
    QPoint origin = widget->mapToGlobal(QPoint(0, 0));
    return QString("%1 %2 %3 %4")
        .arg(origin.x())
        .arg(origin.y())
        .arg(widget->width())
        .arg(widget->height());
}

class TextApp : public QWidget {
  public:
    explicit TextApp(QString stateFile) : stateFile_(std::move(stateFile)) {
        setWindowTitle("Joyvane test text field");
        auto* layout = new QVBoxLayout(this);
        field_ = new QLineEdit;
        field_->setObjectName("field");
        field_->setMinimumWidth(360);
        button_ = new QPushButton("Done");
        button_->setFocusPolicy(Qt::StrongFocus);
        layout->addWidget(field_);
        layout->addWidget(button_);
        QObject::connect(field_, &QLineEdit::textChanged, this, [this] { save(); });
        QObject::connect(qApp, &QApplication::focusChanged, this, [this] { save(); });
        // The window manager places the window after it is shown: keep the geometry fresh.
        auto* timer = new QTimer(this);
        QObject::connect(timer, &QTimer::timeout, this, [this] { saveIfMoved(); });
        timer->start(100);
    }

  private:
    void saveIfMoved() {
        QString where = geometryOf(field_);
        if (where != lastGeometry_) {
            save();
        }
    }
    void save() {
        lastGeometry_ = geometryOf(field_);
        QString focus = field_->hasFocus() ? "field" : button_->hasFocus() ? "button" : "none";
        QSaveFile file(stateFile_);
        if (!file.open(QIODevice::WriteOnly)) {
            return;
        }
        QString state = "text=" + field_->text() + "\nfocus=" + focus + "\nfield=" + lastGeometry_ +
                        "\nbutton=" + geometryOf(button_) + "\n";
        file.write(state.toUtf8());
        file.commit();
    }

    QString stateFile_;
    QString lastGeometry_;
    QLineEdit* field_ = nullptr;
    QPushButton* button_ = nullptr;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName("joyvane-e2e-text-app");
    if (argc < 2) {
        qWarning("usage: e2e_text_app STATE-FILE");
        return 2;
    }
    TextApp window(QString::fromLocal8Bit(argv[1]));
    window.move(200, 200);
    window.show();
    // Active from the start, as an application the user just opened; focus starts on the
    // button, so the field gets it only when clicked.
    window.activateWindow();
    window.findChild<QPushButton*>()->setFocus();
    return app.exec();
}
