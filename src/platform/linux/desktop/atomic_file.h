#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include <sys/types.h>

namespace joyvane::linux_desktop {

// Replaces `path` with `contents` so that a reader sees either the old file or the whole new one,
// never a part: the text goes to a temporary file in the same folder, is flushed to disk, is
// renamed over the target and the folder is flushed too. A symbolic link at `path` is followed:
// its target is replaced and the link stays. The new file gets `mode` less the umask. Missing
// folders are created. False when any step fails; the target is then left as it was and no
// temporary file remains.
bool writeFileAtomically(const std::filesystem::path& path, std::string_view contents,
                         mode_t mode = 0644);

// Removes temporary files that an interrupted write to `path` left in its folder.
void removeLeftoverTemporaries(const std::filesystem::path& path);

// The whole file, or nothing when it cannot be read.
std::optional<std::string> readWholeFile(const std::filesystem::path& path);

// What reading a bounded regular file found.
struct BoundedRead {
    enum class Status { read, missing, refused };
    Status status = Status::missing;
    std::string contents;  // when read
    std::string fault;     // when refused: why, in a few words
};

// Reads `path` only when it is a regular file of at most `maxBytes`; never waits on a FIFO or
// a device, and never holds more than `maxBytes` + 1 bytes.
BoundedRead readRegularFile(const std::filesystem::path& path, std::size_t maxBytes);

}  // namespace joyvane::linux_desktop
