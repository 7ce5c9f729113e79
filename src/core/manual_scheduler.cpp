#include "core/manual_scheduler.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace joyvane {

struct ManualScheduler::Entry {
    Job job;
    Time start = 0;
    double interval = 0;  // 0 for a one-shot job
    std::uint64_t firings = 0;
    std::uint64_t sequence = 0;
    bool active = true;

    Time due() const {
        return interval > 0 ? start + static_cast<double>(firings + 1) * interval : start;
    }
};

class ManualScheduler::Task final : public ScheduledTask {
public:
    explicit Task(std::weak_ptr<Entry> entry) : entry_(std::move(entry)) {}
    void cancel() override {
        if (auto entry = entry_.lock()) {
            entry->active = false;
        }
    }
    bool isActive() const override {
        auto entry = entry_.lock();
        return entry && entry->active;
    }

private:
    std::weak_ptr<Entry> entry_;
};

ManualScheduler::ManualScheduler(Time start) : now_(start) {}

ManualScheduler::~ManualScheduler() = default;

void ManualScheduler::post(Job job) {
    std::lock_guard lock(queueMutex_);
    queue_.push_back(std::move(job));
}

std::size_t ManualScheduler::queuedJobCount() const {
    std::lock_guard lock(queueMutex_);
    return queue_.size();
}

std::shared_ptr<ScheduledTask> ManualScheduler::runAfter(double seconds, Job job) {
    auto entry = std::make_shared<Entry>();
    entry->job = std::move(job);
    entry->start = now_ + std::max(0.0, seconds);
    entry->sequence = nextSequence_++;
    timers_.push_back(entry);
    return std::make_shared<Task>(entry);
}

std::shared_ptr<ScheduledTask> ManualScheduler::runEvery(double interval, Job job) {
    auto entry = std::make_shared<Entry>();
    entry->job = std::move(job);
    entry->start = now_;
    // A non-positive or non-finite interval would fire forever at one instant.
    entry->interval = (std::isfinite(interval) && interval > 0) ? interval : 1e-3;
    entry->sequence = nextSequence_++;
    timers_.push_back(entry);
    return std::make_shared<Task>(entry);
}

std::size_t ManualScheduler::runOneTurn() {
    std::deque<Job> turn;
    {
        std::lock_guard lock(queueMutex_);
        turn.swap(queue_);
    }
    for (Job& job : turn) {
        if (job) {
            job();
        }
    }
    return turn.size();
}

void ManualScheduler::runQueued() {
    while (queuedJobCount() > 0) {
        runOneTurn();
    }
}

ManualScheduler::Entry* ManualScheduler::nextDueTimer(Time limit) {
    std::erase_if(timers_, [](const auto& e) { return !e->active; });
    Entry* best = nullptr;
    for (const auto& e : timers_) {
        if (e->due() > limit) {
            continue;
        }
        if (!best || e->due() < best->due() ||
            (e->due() == best->due() && e->sequence < best->sequence)) {
            best = e.get();
        }
    }
    return best;
}

void ManualScheduler::advanceTo(Time time) {
    runQueued();
    while (Entry* entry = nextDueTimer(time)) {
        now_ = std::max(now_, entry->due());
        // Keep the entry alive while its job runs: the job may cancel it or add timers.
        std::shared_ptr<Entry> keep;
        for (const auto& e : timers_) {
            if (e.get() == entry) {
                keep = e;
            }
        }
        if (keep->interval > 0) {
            ++keep->firings;
        } else {
            keep->active = false;
        }
        Job job = keep->job;
        if (job) {
            job();
        }
        runQueued();
    }
    now_ = std::max(now_, time);
    runQueued();
}

std::size_t ManualScheduler::activeTimerCount() const {
    return static_cast<std::size_t>(
        std::count_if(timers_.begin(), timers_.end(), [](const auto& e) { return e->active; }));
}

}  // namespace joyvane
