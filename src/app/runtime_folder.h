#pragma once

#include <QString>
#include <optional>

namespace joyvane::app {

// A folder that only this user can reach, for the single-instance lock and socket:
// $XDG_RUNTIME_DIR when it is an existing folder owned by the user with mode 0700, otherwise a
// folder of our own in the temporary folder ("joyvane-<uid>", created 0700 and checked after
// creation: a link, another owner or a wider mode is refused). Absent when neither is usable;
// `why` then says so in one sentence.
std::optional<QString> privateRuntimeFolder(QString* why = nullptr);

// Whether `path` is a real folder (not a link) owned by this user with mode 0700.
bool isPrivateFolder(const QString& path);

}  // namespace joyvane::app
