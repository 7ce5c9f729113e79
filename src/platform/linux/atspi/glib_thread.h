#pragma once

#include <chrono>
#include <functional>
#include <thread>

typedef struct _GMainContext GMainContext;
typedef struct _GMainLoop GMainLoop;

namespace joyvane::atspi {

// A thread running its own GLib main context, so that D-Bus and X11 waits never touch the
// program's main loop. Sources attached to context() run on this thread.
class GlibThread {
  public:
    GlibThread();
    // Runs `stop` on the thread, then ends the loop and joins (unless stopWithin did).
    ~GlibThread();
    GlibThread(const GlibThread&) = delete;
    GlibThread& operator=(const GlibThread&) = delete;

    GMainContext* context() const { return context_; }
    // Runs `job` on the thread, soon. Callable from any thread.
    void invoke(std::function<void()> job);
    void setStopJob(std::function<void()> stop) { stop_ = std::move(stop); }
    // Runs `stop` on the thread and ends it, waiting at most `limit`. False when the thread is
    // still busy then: it is left running, and this object and whatever the thread uses must
    // then be left alive to the end of the process.
    bool stopWithin(std::chrono::milliseconds limit);

  private:
    GMainContext* context_;
    GMainLoop* loop_;
    std::function<void()> stop_;
    std::thread thread_;
    bool stopped_ = false;
};

}  // namespace joyvane::atspi
