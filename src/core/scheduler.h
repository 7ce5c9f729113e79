#pragma once

#include <functional>
#include <memory>

namespace joyvane {

using Job = std::function<void()>;

// Seconds on a monotonic clock. Only differences between two readings mean anything.
using Time = double;

// Stands in for "long ago": any gap measured from it is far larger than every threshold in use.
inline constexpr Time kDistantPast = -1.0e12;

// A delayed job or a repeating timer that can be stopped before it fires again.
class ScheduledTask {
public:
    virtual ~ScheduledTask() = default;
    // Stops the task; it never runs again. Safe to call more than once, also from its own job.
    virtual void cancel() = 0;
    virtual bool isActive() const = 0;
};

// The main loop as the domain sees it. Everything runs on one thread; jobs never run while
// another job is running, and jobs posted from a job run after every job posted before them.
class Scheduler {
public:
    virtual ~Scheduler() = default;

    // Queue a job on the main queue: it runs on a later turn of the loop, in the order posted.
    // The one call that may be made from any thread: background work hands results back here.
    virtual void post(Job job) = 0;

    // Run a job once, `seconds` from now.
    virtual std::shared_ptr<ScheduledTask> runAfter(double seconds, Job job) = 0;

    // Run a job every `interval` seconds, the first time one interval from now, until cancelled.
    virtual std::shared_ptr<ScheduledTask> runEvery(double interval, Job job) = 0;

    virtual Time now() const = 0;
};

}  // namespace joyvane
