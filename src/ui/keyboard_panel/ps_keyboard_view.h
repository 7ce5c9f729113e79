#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>
#include <memory>

#include "core/language.h"
#include "ui/keyboard_panel/key_cell.h"
#include "ui/keyboard_panel/keyboard_metrics.h"
#include "ui/windows/capsule_button.h"
#include "ui/windows/change_watcher.h"

namespace joyvane {
class PSKeyboardController;
}

namespace joyvane::ui {

// The on-screen keyboard's content: a header with the layout, Shift and close buttons, the four
// character rows and the control row. It draws the keyboard controller's state and redraws on
// every change; only the header buttons react to the mouse.
class PSKeyboardView : public QWidget {
  public:
    PSKeyboardView(PSKeyboardController& keyboard, const LanguageSource& languages,
                   QWidget* parent = nullptr);

    // Brings every label, colour and the cursor up to the controller's state.
    void refresh();

    CapsuleButton* layoutButton() const { return layoutButton_; }
    CapsuleButton* shiftButton() const { return shiftButton_; }
    CapsuleButton* closeButton() const { return closeButton_; }
    KeyCell* keyCell(int row, int col) const { return cells_.at(row).at(col); }
    KeyCell* controlKey(int col) const { return controls_.at(col); }

    // The drawn sheet, inside the clear margin its shadow fades out in.
    QRectF sheetRect() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QWidget* buildHeader();
    QWidget* buildCharacterRow(int row);
    QWidget* buildControlRow();
    void refreshHeader(bool hebrew);

    PSKeyboardController& kb_;
    const LanguageSource& languages_;
    CapsuleButton* layoutButton_ = nullptr;
    CapsuleButton* shiftButton_ = nullptr;
    CapsuleButton* closeButton_ = nullptr;
    std::array<std::array<KeyCell*, keyboard_metrics::kCharCols>, keyboard_metrics::kCharRows>
        cells_{};
    std::array<KeyCell*, 3> controls_{};
    std::unique_ptr<ChangeWatcher> watcher_;
    QPixmap shadow_;  // drawn once per size
};

}  // namespace joyvane::ui
