#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "platform/defaults_store.h"

class QAbstractButton;
class QLabel;
class QParallelAnimationGroup;

namespace joyvane::ui {

class PageDots;
class MockMenuBarStrip;

// The key under which the program remembers that onboarding was seen.
inline constexpr const char* kHasSeenOnboardingKey = "hasSeenOnboarding";

// The first-run introduction: a header band, four pages that slide in from the trailing edge,
// page dots, and Back / Next / Get Started!. Get Started! stores that onboarding was seen, then
// closes the window through `closeWindow`.
class OnboardingView : public QWidget {
  public:
    OnboardingView(DefaultsStore& defaults, bool isHebrew, std::function<void()> closeWindow,
                   int totalPages = 4, QWidget* parent = nullptr);

    int page() const { return page_; }
    void setPage(int page);
    QAbstractButton* backButton() const { return back_; }
    QAbstractButton* nextButton() const { return next_; }
    QAbstractButton* getStartedButton() const { return getStarted_; }
    PageDots* dots() const { return dots_; }
    QWidget* pageWidget(int page) const { return pages_.at(page); }
    QLabel* pageTitle(int page) const { return titles_.at(page); }
    QLabel* pageText(int page) const { return texts_.at(page); }
    MockMenuBarStrip* strip() const { return strip_; }

  private:
    QWidget* buildHeader();
    QWidget* buildPage(int page);
    void animateTo(int from, int to);
    void getStarted();

    DefaultsStore& defaults_;
    bool hebrew_;
    std::function<void()> closeWindow_;
    int totalPages_;
    int page_ = 0;
    QWidget* pageArea_ = nullptr;
    std::vector<QWidget*> pages_;
    std::vector<QLabel*> titles_;
    std::vector<QLabel*> texts_;
    MockMenuBarStrip* strip_ = nullptr;
    PageDots* dots_ = nullptr;
    QAbstractButton* back_ = nullptr;
    QAbstractButton* next_ = nullptr;
    QAbstractButton* getStarted_ = nullptr;
    QParallelAnimationGroup* transition_ = nullptr;
};

}  // namespace joyvane::ui
