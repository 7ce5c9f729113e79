#pragma once

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

namespace joyvane::linux_common {

// The paths in a folder, sorted; empty when it cannot be read. Never throws: sysfs folders
// change under us, and an error while listing ends the list where it happened.
inline std::vector<std::filesystem::path> folderEntries(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> entries;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        entries.push_back(it->path());
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

}  // namespace joyvane::linux_common
