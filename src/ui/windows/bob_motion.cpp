#include "ui/windows/bob_motion.h"

#include <algorithm>
#include <cmath>

#include "ui/windows/appearance.h"

namespace joyvane::ui {

BobMotion::BobMotion(double devicePixelRatio) {
    const double ratio = std::max(devicePixelRatio, 1.0);
    const QEasingCurve curve = appearance::easeInOut();
    auto shown = [&](int ms) {
        // Up on the first swing, down on the second.
        const double progress = ms < kSwingMs ? static_cast<double>(ms) / kSwingMs
                                              : static_cast<double>(kCycleMs - ms) / kSwingMs;
        return std::round(-kHeight * curve.valueForProgress(progress) * ratio) / ratio;
    };
    steps_.push_back({0, shown(0)});
    for (int ms = 1; ms < kCycleMs; ++ms) {
        const double offset = shown(ms);
        if (offset != steps_.back().offset) {
            steps_.push_back({ms, offset});
        }
    }
}

double BobMotion::offsetAt(long long elapsedMs) const {
    const int inCycle = static_cast<int>(elapsedMs % kCycleMs);
    auto after = std::upper_bound(steps_.begin(), steps_.end(), inCycle,
                                  [](int ms, const Step& step) { return ms < step.atMs; });
    return std::prev(after)->offset;
}

int BobMotion::msToNextStep(long long elapsedMs) const {
    const int inCycle = static_cast<int>(elapsedMs % kCycleMs);
    auto next = std::upper_bound(steps_.begin(), steps_.end(), inCycle,
                                 [](int ms, const Step& step) { return ms < step.atMs; });
    // The cycle ends where it began, so past its last step the next move is the second step of
    // the next cycle.
    const int firstMove = steps_.size() > 1 ? steps_[1].atMs : kCycleMs;
    const int at = next == steps_.end() ? kCycleMs + firstMove : next->atMs;
    return std::max(1, at - inCycle);
}

}  // namespace joyvane::ui
