#include "platform/linux/atspi/glib_thread.h"

#include <glib.h>

#include <future>

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
    std::promise<void> stopped;
    invoke([this, &stopped] {
        if (stop_) {
            stop_();
        }
        g_main_loop_quit(loop_);
        stopped.set_value();
    });
    stopped.get_future().wait();
    thread_.join();
    g_main_loop_unref(loop_);
    g_main_context_unref(context_);
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
