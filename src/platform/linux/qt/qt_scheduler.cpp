#include "platform/linux/qt/qt_scheduler.h"

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <utility>

namespace joyvane {

namespace {

// Whole milliseconds until `due`, rounded up so a timer never fires before its time.
int millisecondsUntil(Time due, Time now) {
    double ms = std::ceil((due - now) * 1000.0);
    if (!(ms > 0)) {
        return 0;
    }
    return static_cast<int>(std::min(ms, 2.0e9));
}

}  // namespace

struct QtScheduler::Timer {
    Job job;
    Time start = 0;
    double interval = 0;  // 0 for a one-shot job
    Time due = 0;
    bool active = true;
    bool repeatsByItself = false;  // a whole number of milliseconds: Qt keeps the phase
    QPointer<QTimer> qtimer;

    void stop() {
        active = false;
        if (qtimer) {
            qtimer->stop();
            // Deferred: the timer may be stopped from its own job, which is still running.
            qtimer->deleteLater();
            qtimer = nullptr;
        }
    }
};

class QtScheduler::Task final : public ScheduledTask {
  public:
    explicit Task(std::weak_ptr<Timer> timer) : timer_(std::move(timer)) {}
    void cancel() override {
        if (auto timer = timer_.lock()) {
            timer->stop();
        }
    }
    bool isActive() const override {
        auto timer = timer_.lock();
        return timer && timer->active;
    }

  private:
    std::weak_ptr<Timer> timer_;
};

QtScheduler::QtScheduler() : context_(std::make_unique<QObject>()) {}

QtScheduler::~QtScheduler() = default;

Time QtScheduler::now() const {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

void QtScheduler::post(Job job) {
    // A queued invocation is thread-safe and keeps the order of posting per receiver.
    QMetaObject::invokeMethod(
        context_.get(), [job = std::move(job)] { job(); }, Qt::QueuedConnection);
}

std::shared_ptr<ScheduledTask> QtScheduler::runAfter(double seconds, Job job) {
    double delay = std::isfinite(seconds) ? std::max(0.0, seconds) : (seconds > 0 ? 2.0e6 : 0.0);
    return start(now() + delay, 0, std::move(job));
}

std::shared_ptr<ScheduledTask> QtScheduler::runEvery(double interval, Job job) {
    // A non-positive or non-finite interval would fire forever at one instant.
    double safe = (std::isfinite(interval) && interval > 0) ? interval : 1e-3;
    return start(now() + safe, safe, std::move(job));
}

std::shared_ptr<ScheduledTask> QtScheduler::start(Time firstDue, double interval, Job job) {
    auto timer = std::make_shared<Timer>();
    timer->job = std::move(job);
    timer->start = firstDue - interval;
    timer->interval = interval;
    timer->due = firstDue;

    auto* qtimer = new QTimer(context_.get());
    qtimer->setTimerType(Qt::PreciseTimer);
    double milliseconds = interval * 1000.0;
    // Qt's precise repeating timers keep their phase by themselves, and cost less than
    // re-arming at every firing; other intervals are re-armed at each computed due time.
    timer->repeatsByItself =
        milliseconds >= 1.0 && std::abs(milliseconds - std::round(milliseconds)) < 1e-6;
    qtimer->setSingleShot(!timer->repeatsByItself);
    timer->qtimer = qtimer;
    // The connection owns the timer state: it lives until the QTimer is deleted, whether or not
    // the caller keeps the task.
    QObject::connect(qtimer, &QTimer::timeout, context_.get(), [this, timer] {
        if (!timer->active) {
            return;
        }
        if (timer->interval <= 0) {
            timer->stop();
            timer->job();
            return;
        }
        timer->job();
        if (timer->active && !timer->repeatsByItself) {
            arm(timer);
        }
    });
    if (timer->repeatsByItself) {
        qtimer->start(static_cast<int>(std::min(std::round(milliseconds), 2.0e9)));
    } else {
        arm(timer);
    }
    return std::make_shared<Task>(timer);
}

void QtScheduler::arm(const std::shared_ptr<Timer>& timer) {
    Time current = now();
    if (timer->interval > 0 && timer->due <= current) {
        // Next due instant after the one just served, skipping any the loop fell behind on.
        double served = std::floor((timer->due - timer->start) / timer->interval + 0.5);
        double behind = std::floor((current - timer->start) / timer->interval);
        timer->due = timer->start + (std::max(served, behind) + 1) * timer->interval;
    }
    timer->qtimer->start(millisecondsUntil(timer->due, current));
}

}  // namespace joyvane
