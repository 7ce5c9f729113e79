#pragma once

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
    // Runs `stop` on the thread, then ends the loop and joins.
    ~GlibThread();
    GlibThread(const GlibThread&) = delete;
    GlibThread& operator=(const GlibThread&) = delete;

    GMainContext* context() const { return context_; }
    // Runs `job` on the thread, soon. Callable from any thread.
    void invoke(std::function<void()> job);
    void setStopJob(std::function<void()> stop) { stop_ = std::move(stop); }

  private:
    GMainContext* context_;
    GMainLoop* loop_;
    std::function<void()> stop_;
    std::thread thread_;
};

}  // namespace joyvane::atspi
