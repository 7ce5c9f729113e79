#pragma once

#include <memory>

#include "core/scheduler.h"

class QObject;

namespace joyvane {

// The scheduler on the Qt event loop. Create it, use it and destroy it on the thread that runs
// the loop; only post() may be called from other threads.
//
// Timers are precise (Qt::PreciseTimer) and a repeating timer keeps its phase: the n-th firing
// is due at start + n * interval, so a 1/60 s loop runs sixty times a second even though Qt
// counts in whole milliseconds. A firing is never early; when the loop falls more than one
// interval behind, the missed firings are dropped instead of run in a burst.
class QtScheduler final : public Scheduler {
  public:
    QtScheduler();
    ~QtScheduler() override;
    QtScheduler(const QtScheduler&) = delete;
    QtScheduler& operator=(const QtScheduler&) = delete;

    void post(Job job) override;
    std::shared_ptr<ScheduledTask> runAfter(double seconds, Job job) override;
    std::shared_ptr<ScheduledTask> runEvery(double interval, Job job) override;
    Time now() const override;

  private:
    struct Timer;
    class Task;

    std::shared_ptr<ScheduledTask> start(Time firstDue, double interval, Job job);
    void arm(const std::shared_ptr<Timer>& timer);

    std::unique_ptr<QObject> context_;  // owns the QTimers; queued jobs are delivered to it
};

}  // namespace joyvane
