#include "platform/linux/atspi/glib_thread.h"

#include <glib.h>

#include <future>
#include <memory>

namespace joyvane::atspi {

namespace {

gboolean runJob(gpointer data) {
    (*static_cast<std::function<void()>*>(data))();
    return G_SOURCE_REMOVE;
}

void deleteJob(gpointer data) {
    delete static_cast<std::function<void()>*>(data);
}

}  // namespace

GlibThread::GlibThread() : context_(g_main_context_new()), loop_(g_main_loop_new(context_, FALSE)) {
    thread_ = std::thread([this] {
        g_main_context_push_thread_default(context_);
        g_main_loop_run(loop_);
        g_main_context_pop_thread_default(context_);
    });
}

GlibThread::~GlibThread() {
    if (!stopped_) {
        stopWithin(std::chrono::milliseconds::max());
    }
    g_main_loop_unref(loop_);
    g_main_context_unref(context_);
}

bool GlibThread::stopWithin(std::chrono::milliseconds limit) {
    // Shared with the job, which may outlive this call when the thread is late.
    auto stopped = std::make_shared<std::promise<void>>();
    auto done = stopped->get_future();
    invoke([this, stopped] {
        if (stop_) {
            stop_();
        }
        g_main_loop_quit(loop_);
        stopped->set_value();
    });
    if (limit != std::chrono::milliseconds::max() &&
        done.wait_for(limit) != std::future_status::ready) {
        thread_.detach();
        return false;
    }
    done.wait();
    thread_.join();
    stopped_ = true;
    return true;
}

void GlibThread::invoke(std::function<void()> job) {
    auto* heap = new std::function<void()>(std::move(job));
    GSource* source = g_idle_source_new();
    g_source_set_priority(source, G_PRIORITY_DEFAULT);
    g_source_set_callback(source, runJob, heap, deleteJob);
    g_source_attach(source, context_);
    g_source_unref(source);
}

}  // namespace joyvane::atspi
