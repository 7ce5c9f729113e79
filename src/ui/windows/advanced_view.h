#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "core/language.h"
#include "core/scheduler.h"
#include "platform/hid_registry.h"
#include "platform/workspace.h"

class QAbstractButton;
class QVBoxLayout;

namespace joyvane {
class ControllerManager;
}

namespace joyvane::ui {

class SymbolButton;

// What the Advanced window's tabs need.
struct AdvancedContext {
    ControllerManager& manager;
    const LanguageSource& languages;
    Workspace& workspace;
    std::shared_ptr<const HidRegistry> hid;
    Scheduler& scheduler;
};

// The Advanced window's content: a bar of two tabs, Gestures and Controller, over the chosen
// tab. A tab's view is built anew each time it is chosen, so the Controller tab reads the
// firmware again on every appearance; the combos live in the engine and survive the switch.
class AdvancedView : public QWidget {
  public:
    explicit AdvancedView(AdvancedContext context, QWidget* parent = nullptr);

    int tab() const { return tab_; }
    void setTab(int tab);
    QAbstractButton* tabButton(int index) const;
    QWidget* content() const { return content_; }

  private:
    void styleTabs();

    AdvancedContext context_;
    bool hebrew_;
    int tab_ = -1;
    std::array<SymbolButton*, 2> tabs_{};
    QWidget* content_ = nullptr;
    QVBoxLayout* column_ = nullptr;
};

}  // namespace joyvane::ui
