#pragma once

#include <QFont>
#include <QString>
#include <QVariantAnimation>
#include <QWidget>
#include <string>

namespace joyvane::ui {

// One key of the on-screen keyboard: a rounded cell with a centred label that grows and turns
// blue while the cursor is on it. The mouse does nothing to it.
class KeyCell : public QWidget {
  public:
    enum class Kind { character, special, control, closeControl };

    KeyCell(Kind kind, QWidget* parent = nullptr);

    void setLabel(const QString& label);
    void setIcon(std::string symbol);  // control keys only: a symbol drawn before the label
    void setKind(Kind kind);
    void setCursor(bool cursor);

    QString label() const { return label_; }
    Kind kind() const { return kind_; }
    bool isCursor() const { return cursor_; }
    // Where the cursor animation ends: 1.08 for a character key, 1.05 for a control key.
    double targetScale() const;
    double currentScale() const;
    QColor targetBackground() const;
    QColor targetForeground() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    bool isControl() const { return kind_ == Kind::control || kind_ == Kind::closeControl; }
    QFont labelFont() const;
    QColor background(double cursorAmount) const;
    QColor foreground(double cursorAmount) const;

    Kind kind_;
    QString label_;
    std::string icon_;
    bool cursor_ = false;
    double cursorAmount_ = 0;  // 0 plain, 1 cursor; animated between
    QVariantAnimation animation_;
};

}  // namespace joyvane::ui
