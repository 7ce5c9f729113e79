#pragma once

#include <vector>

namespace joyvane::ui {

// The bobbing arrow's motion as the screen can show it: 3 points up and back, 0.7 s each way on
// an ease-in-out curve, rounded to whole device pixels. Between two steps nothing on screen
// changes, so the arrow needs a frame only at each step: a handful a second instead of sixty.
class BobMotion {
  public:
    static constexpr int kSwingMs = 700;
    static constexpr int kCycleMs = 2 * kSwingMs;
    static constexpr double kHeight = 3;

    struct Step {
        int atMs;       // time within the cycle at which the arrow moves
        double offset;  // its offset from then on: 0 at rest, -3 at the top
    };

    explicit BobMotion(double devicePixelRatio = 1);

    // The offset shown `elapsedMs` after the bobbing started.
    double offsetAt(long long elapsedMs) const;
    // Milliseconds from `elapsedMs` to the next step (at least 1).
    int msToNextStep(long long elapsedMs) const;
    const std::vector<Step>& steps() const { return steps_; }

  private:
    std::vector<Step> steps_;  // in time order: the rest position at 0 ms, then every move
};

}  // namespace joyvane::ui
