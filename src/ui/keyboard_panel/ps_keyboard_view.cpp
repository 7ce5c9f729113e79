#include "ui/keyboard_panel/ps_keyboard_view.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include "keyboard/keyboard_layout.h"
#include "keyboard/ps_keyboard_controller.h"
#include "ui/controls/floating_shadow.h"
#include "ui/controls/reading_direction.h"
#include "ui/windows/appearance.h"

namespace joyvane::ui {

namespace ap = appearance;
namespace km = keyboard_metrics;

namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool isSpecialLabel(const QString& label) {
    return label == QStringLiteral("⌫") || label == QStringLiteral("↵");
}

}  // namespace

PSKeyboardView::PSKeyboardView(PSKeyboardController& keyboard, const LanguageSource& languages,
                               QWidget* parent)
    : QWidget(parent), kb_(keyboard), languages_(languages) {
    // A keyboard, not a sentence: the keys run left to right, column 0 leftmost, in every
    // interface language. Only the header follows the reading direction.
    setLayoutDirection(Qt::LeftToRight);
    setAttribute(Qt::WA_TranslucentBackground);

    auto* stack = new QVBoxLayout(this);
    stack->setSpacing(km::kStackSpacing);
    const int margin = km::kOuterPadding + km::kShadowMargin;
    stack->setContentsMargins(margin, margin, margin, margin);
    QWidget* header = buildHeader();
    header->setLayoutDirection(isHebrew(languages_) ? Qt::RightToLeft : Qt::LeftToRight);
    stack->addWidget(header);
    for (int row = 0; row < km::kCharRows; ++row) {
        stack->addWidget(buildCharacterRow(row), 0, Qt::AlignHCenter);
    }
    stack->addWidget(buildControlRow(), 0, Qt::AlignHCenter);

    watcher_ = std::make_unique<ChangeWatcher>(this, [this] { refresh(); });
    watcher_->watch(kb_);
    refresh();
}

QWidget* PSKeyboardView::buildHeader() {
    auto* header = new QWidget(this);
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(4, 0, 4, 0);
    layoutButton_ = new CapsuleButton(header);
    shiftButton_ = new CapsuleButton(header);
    shiftButton_->setPadding(7, 3);
    closeButton_ = new CapsuleButton(header);
    closeButton_->setParts(
        {{{}, "xmark", systemFont(9, QFont::Bold)}, {QStringLiteral("○"), {}, systemFont(10)}});
    row->addWidget(layoutButton_);
    row->addWidget(shiftButton_);
    row->addStretch(1);
    row->addWidget(closeButton_);

    QObject::connect(layoutButton_, &QAbstractButton::clicked, this,
                     [this] { kb_.layout = nextLayout(kb_.layout); });
    QObject::connect(shiftButton_, &QAbstractButton::clicked, this,
                     [this] { kb_.isUppercase = !kb_.isUppercase; });
    QObject::connect(closeButton_, &QAbstractButton::clicked, this, [this] { kb_.dismiss(); });
    return header;
}

QWidget* PSKeyboardView::buildCharacterRow(int row) {
    auto* line = new QWidget(this);
    auto* layout = new QHBoxLayout(line);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(km::kGap);
    for (int col = 0; col < km::kCharCols; ++col) {
        cells_[row][col] = new KeyCell(KeyCell::Kind::character, line);
        layout->addWidget(cells_[row][col]);
    }
    return line;
}

QWidget* PSKeyboardView::buildControlRow() {
    auto* line = new QWidget(this);
    line->setFixedWidth(km::kGridWidth);
    auto* layout = new QHBoxLayout(line);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(km::kGap);
    for (int col = 0; col < kControlKeys; ++col) {
        auto kind = col == 2 ? KeyCell::Kind::closeControl : KeyCell::Kind::control;
        controls_[col] = new KeyCell(kind, line);
        controls_[col]->setIcon(std::string(controlIcon(col)));
        // The space key takes whatever width is left.
        layout->addWidget(controls_[col], col == 1 ? 1 : 0);
    }
    return line;
}

void PSKeyboardView::refresh() {
    bool hebrew = isHebrew(languages_);
    refreshHeader(hebrew);
    for (int row = 0; row < km::kCharRows; ++row) {
        for (int col = 0; col < km::kCharCols; ++col) {
            KeyCell* cell = cells_[row][col];
            QString label = QString::fromStdString(kb_.displayChar(row, col));
            cell->setLabel(label);
            cell->setKind(isSpecialLabel(label) ? KeyCell::Kind::special
                                                : KeyCell::Kind::character);
            cell->setCursor(kb_.cursorRow == row && kb_.cursorCol == col);
        }
    }
    for (int col = 0; col < kControlKeys; ++col) {
        controls_[col]->setLabel(QString::fromStdString(kb_.displayChar(kControlRow, col)));
        controls_[col]->setCursor(kb_.cursorRow == kControlRow && kb_.cursorCol == col);
    }
}

void PSKeyboardView::refreshHeader(bool hebrew) {
    QColor blue = colors::blue();
    layoutButton_->setParts(
        {{qs(rawValue(kb_.layout)), {}, ap::monospacedFont(11, QFont::DemiBold)},
         {{}, "chevron.right", systemFont(8)}});
    layoutButton_->setColors(colors::withOpacity(blue, 0.18), blue);
    layoutButton_->setToolTip(interfaceText(hebrew, "Switch layout (R1)", "החלף שפה (R1)"));

    bool upper = kb_.isUppercase;
    shiftButton_->setParts({{upper ? QStringLiteral("ABC") : QStringLiteral("abc"),
                             {},
                             systemFont(10, QFont::Medium)}});
    if (upper) {
        shiftButton_->setColors(colors::withOpacity(colors::orange(), 0.25), colors::orange());
    } else {
        shiftButton_->setColors(colors::withOpacity(colors::primary(), 0.1), colors::secondary());
    }
    shiftButton_->setToolTip(QStringLiteral("Shift (L1)"));
    shiftButton_->setVisible(kb_.layout == KeyboardLayout::latin);

    closeButton_->setColors(colors::withOpacity(colors::primary(), 0.1), colors::secondary());
    closeButton_->setToolTip(interfaceText(hebrew, "Close Keyboard (○)", "סגור מקלדת (○)"));
}

QRectF PSKeyboardView::sheetRect() const {
    return QRectF(rect()).adjusted(km::kShadowMargin + 0.5, km::kShadowMargin + 0.5,
                                   -km::kShadowMargin - 0.5, -km::kShadowMargin - 0.5);
}

void PSKeyboardView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    shadow_ = QPixmap();
}

void PSKeyboardView::paintEvent(QPaintEvent*) {
    // A translucent rounded sheet with a faint white rim, floating on its shadow.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (shadow_.size() != size()) {
        shadow_ = floatingShadow(size(), sheetRect(), km::kCornerRadius, km::kShadowMargin,
                                 km::kShadowOpacityPercent / 100.0);
    }
    p.drawPixmap(0, 0, shadow_);
    QPainterPath sheet;
    sheet.addRoundedRect(sheetRect(), km::kCornerRadius, km::kCornerRadius);
    p.fillPath(sheet, colors::withOpacity(palette().color(QPalette::Window), 0.92));
    p.setPen(QPen(colors::withOpacity(Qt::white, 0.15), 1));
    p.drawPath(sheet);
}

}  // namespace joyvane::ui
