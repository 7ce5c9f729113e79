#pragma once

#include <QPointer>
#include <functional>

#include "app/managed_window.h"
#include "mapping/maps.h"

namespace joyvane {
class ControllerManager;
class DefaultsStore;
class LanguageSource;
}  // namespace joyvane

namespace joyvane::app {

// The four free-standing windows. Each manager owns at most one window: asking again only
// brings that window forward; once it closes, the next request builds it anew.
//
// Content hook: a manager builds its window's content with its content factory. Until a real
// view is installed the factory gives a placeholder (the window's title, size and a one-line
// note). The windows library replaces the factories at start-up; see window_content.h, and
// install yours with setContentFactory() before the first request. A factory receives a
// `closeWindow` callback: calling it closes the window through the manager's will-close handling
// (and does nothing once the window is gone).
class WindowManagerBase : public QObject {
    Q_OBJECT
  public:
    explicit WindowManagerBase(const LanguageSource& languages) : languages_(languages) {}

    // The open window, or null.
    ManagedWindow* window() const { return window_; }

  protected:
    // Brings an open window to the front and gives it the focus; false when there is none.
    bool bringForward();
    // Builds, places, shows and keeps the window.
    void present(const WindowSpec& spec, QWidget* content);
    // What a factory calls to close the window on behalf of its view.
    std::function<void()> closer();
    virtual void windowWillClose() { window_ = nullptr; }
    bool hebrew() const;

    const LanguageSource& languages_;

  private:
    QPointer<ManagedWindow> window_;
};

using CloseWindow = std::function<void()>;

class AdvancedWindowManager : public WindowManagerBase {
    Q_OBJECT
  public:
    using ContentFactory = std::function<QWidget*(ControllerManager& manager, CloseWindow close)>;

    explicit AdvancedWindowManager(const LanguageSource& languages);
    void setContentFactory(ContentFactory factory) { factory_ = std::move(factory); }
    void open(ControllerManager& manager);

  private:
    ContentFactory factory_;
};

class RemapWindowManager : public WindowManagerBase {
    Q_OBJECT
  public:
    using SaveMap = std::function<void(const ButtonMap&)>;
    using ContentFactory =
        std::function<QWidget*(const ButtonMap& initialMap, SaveMap onSave,
                               std::function<void()> onReset, CloseWindow onClose)>;

    explicit RemapWindowManager(const LanguageSource& languages);
    void setContentFactory(ContentFactory factory) { factory_ = std::move(factory); }
    // An open window keeps its own edits: it is not given the new map.
    void open(const ButtonMap& initialMap, SaveMap onSave, std::function<void()> onReset);

  private:
    ContentFactory factory_;
};

class OnboardingWindowManager : public WindowManagerBase {
    Q_OBJECT
  public:
    using ContentFactory = std::function<QWidget*(bool isHebrew, CloseWindow close)>;
    static constexpr const char* kSeenKey = "hasSeenOnboarding";

    OnboardingWindowManager(const LanguageSource& languages, DefaultsStore& defaults);
    void setContentFactory(ContentFactory factory) { factory_ = std::move(factory); }
    void show();

  protected:
    // However the window closes, onboarding counts as seen.
    void windowWillClose() override;

  private:
    DefaultsStore& defaults_;
    ContentFactory factory_;
};

class MenuBarHintWindowManager : public WindowManagerBase {
    Q_OBJECT
  public:
    using ContentFactory = std::function<QWidget*(bool isHebrew, CloseWindow close)>;

    explicit MenuBarHintWindowManager(const LanguageSource& languages);
    void setContentFactory(ContentFactory factory) { factory_ = std::move(factory); }
    void show();

  private:
    ContentFactory factory_;
};

// The program's one instance of each manager.
struct WindowManagers {
    WindowManagers(const LanguageSource& languages, DefaultsStore& defaults)
        : advanced(languages), remap(languages), onboarding(languages, defaults), hint(languages) {}

    AdvancedWindowManager advanced;
    RemapWindowManager remap;
    OnboardingWindowManager onboarding;
    MenuBarHintWindowManager hint;
};

}  // namespace joyvane::app
