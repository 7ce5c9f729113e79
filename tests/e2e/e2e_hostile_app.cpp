// A hostile accessible application: its one window shows a list that claims ten million
// items to the accessibility bus, and nothing in it takes focus, so a program looking for the
// focused element has to search the window.
#include <QAbstractListModel>
#include <QApplication>
#include <QListView>

namespace {

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
    HugeModel model;
    QListView list;
    list.setWindowTitle(QStringLiteral("Joyvane test hostile list"));
    list.setUniformItemSizes(true);
    list.setFocusPolicy(Qt::NoFocus);
    list.setModel(&model);
    list.resize(400, 300);
    list.show();
    return QApplication::exec();
}
