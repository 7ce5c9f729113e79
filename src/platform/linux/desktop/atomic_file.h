#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace joyvane::linux_desktop {

// Replaces `path` with `contents` so that a reader sees either the old file or the whole new one,
// never a part: the text goes to a temporary file in the same folder, is flushed to disk, and is
// renamed over the target. Missing folders are created. False when any step fails; the target is
// then left as it was.
bool writeFileAtomically(const std::filesystem::path& path, std::string_view contents);

// The whole file, or nothing when it cannot be read.
std::optional<std::string> readWholeFile(const std::filesystem::path& path);

}  // namespace joyvane::linux_desktop
