#pragma once

#include <cstdint>
#include <deque>
#include <mutex>
#include <vector>

#include "core/scheduler.h"

namespace joyvane {

// A scheduler on virtual time, for tests and the simulator. Time moves only when told to.
//
// It runs work in the order the real main loop would: each turn first runs the jobs that were
// queued before the turn began (jobs they queue wait for the next turn), then, once the queue is
// empty, the earliest due timer (ties in the order they were scheduled). Repeating timers keep
// their phase: the n-th firing is due at start + n * interval, never drifting.
class ManualScheduler final : public Scheduler {
public:
    explicit ManualScheduler(Time start = 0.0);
    ~ManualScheduler() override;

    void post(Job job) override;
    std::shared_ptr<ScheduledTask> runAfter(double seconds, Job job) override;
    std::shared_ptr<ScheduledTask> runEvery(double interval, Job job) override;
    Time now() const override { return now_; }

    // Advance to `time`, running every queued job and every timer due on the way, then the jobs
    // queued at `time`. A time earlier than now only runs what is queued.
    void advanceTo(Time time);
    void advanceBy(double seconds) { advanceTo(now_ + seconds); }

    // Run the queued jobs, and the jobs they queue, without moving time.
    void runQueued();

    // Run exactly one turn of queued jobs (those queued before the call). Returns how many ran.
    std::size_t runOneTurn();

    std::size_t queuedJobCount() const;
    std::size_t activeTimerCount() const;

private:
    struct Entry;
    class Task;

    Entry* nextDueTimer(Time limit);

    Time now_;
    mutable std::mutex queueMutex_;  // post() may come from a background thread
    std::deque<Job> queue_;
    std::vector<std::shared_ptr<Entry>> timers_;
    std::uint64_t nextSequence_ = 0;
};

}  // namespace joyvane
