#pragma once

#include <QObject>
#include <QTimer>
#include <utility>

namespace joyvane::ui {

// Runs `work` once from the event loop, however often this is called before then, so a burst of
// change notifications costs a single refresh. `pending` belongs to `context`; nothing runs once
// `context` is gone.
template <typename Work>
void postCoalesced(QObject* context, bool& pending, Work work) {
    if (pending) {
        return;
    }
    pending = true;
    QTimer::singleShot(0, context, [&pending, work = std::move(work)] {
        pending = false;
        work();
    });
}

}  // namespace joyvane::ui
