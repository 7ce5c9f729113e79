#include "platform/linux/desktop/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>
#include <system_error>

namespace joyvane::linux_desktop {

namespace {

// Temporary files are named "<target name>.tmp-<six letters>".
constexpr std::string_view kTemporaryInfix = ".tmp-";

bool writeAll(int fd, std::string_view contents) {
    while (!contents.empty()) {
        ssize_t written = ::write(fd, contents.data(), contents.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        contents.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Where a write to `path` lands: the final target of a chain of symbolic links.
std::filesystem::path resolveLinks(std::filesystem::path path) {
    std::error_code error;
    for (int hops = 0; hops < 40 && std::filesystem::is_symlink(path, error); ++hops) {
        std::filesystem::path target = std::filesystem::read_symlink(path, error);
        if (error) {
            break;
        }
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path;
}

// The folder holding `path`; "." for a bare file name.
std::filesystem::path folderOf(const std::filesystem::path& path) {
    return path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
}

// A new file beside `target`, created with `mode` so that the kernel applies the umask.
int createTemporary(const std::filesystem::path& target, mode_t mode, std::string& name) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device seed;
    std::minstd_rand random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target.string() + std::string(kTemporaryInfix);
        for (int i = 0; i < 6; ++i) {
            name += kLetters[random() % (sizeof kLetters - 1)];
        }
        int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

bool syncFolder(const std::filesystem::path& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    bool ok = ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

}  // namespace

bool writeFileAtomically(const std::filesystem::path& path, std::string_view contents,
                         mode_t mode) {
    std::filesystem::path target = resolveLinks(path);
    std::error_code error;
    std::filesystem::create_directories(folderOf(target), error);
    if (error) {
        return false;
    }
    std::string temporary;
    int fd = createTemporary(target, mode, temporary);
    if (fd < 0) {
        return false;
    }
    bool ok = writeAll(fd, contents) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok && ::rename(temporary.c_str(), target.c_str()) == 0) {
        // The rename is durable only once the folder itself is on disk.
        return syncFolder(folderOf(target));
    }
    ::unlink(temporary.c_str());
    return false;
}

void removeLeftoverTemporaries(const std::filesystem::path& path) {
    std::filesystem::path target = resolveLinks(path);
    std::string prefix = target.filename().string() + std::string(kTemporaryInfix);
    std::error_code error;
    std::filesystem::directory_iterator it(folderOf(target), error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        std::string name = it->path().filename().string();
        if (name.size() == prefix.size() + 6 && name.starts_with(prefix) &&
            it->is_regular_file(error)) {
            std::filesystem::remove(it->path(), error);
            error.clear();
        }
    }
}

std::optional<std::string> readWholeFile(const std::filesystem::path& path) {
    // Large enough for every text file the program reads, small enough to hold in memory.
    constexpr std::size_t kLimit = 16 * 1024 * 1024;
    BoundedRead result = readRegularFile(path, kLimit);
    if (result.status != BoundedRead::Status::read) {
        return std::nullopt;
    }
    return std::move(result.contents);
}

BoundedRead readRegularFile(const std::filesystem::path& path, std::size_t maxBytes) {
    BoundedRead result;
    // Non-blocking, so that opening a FIFO with no writer returns at once.
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT) {
            result.status = BoundedRead::Status::refused;
            result.fault = std::strerror(errno);
        }
        return result;
    }
    struct stat info {};
    result.status = BoundedRead::Status::refused;
    if (::fstat(fd, &info) != 0) {
        result.fault = std::strerror(errno);
    } else if (!S_ISREG(info.st_mode)) {
        result.fault = "not a regular file";
    } else if (static_cast<std::size_t>(info.st_size) > maxBytes) {
        result.fault = "larger than " + std::to_string(maxBytes) + " bytes";
    } else {
        // The size may change while reading: read at most one byte past the limit to notice.
        std::string contents(maxBytes + 1 > 65536 ? 65536 : maxBytes + 1, '\0');
        std::size_t used = 0;
        while (true) {
            if (used == contents.size()) {
                if (contents.size() > maxBytes) {
                    break;
                }
                contents.resize(std::min(contents.size() * 2, maxBytes + 1));
            }
            ssize_t got = ::read(fd, contents.data() + used, contents.size() - used);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got <= 0) {
                if (got < 0) {
                    result.fault = std::strerror(errno);
                }
                break;
            }
            used += static_cast<std::size_t>(got);
        }
        contents.resize(used);
        if (used > maxBytes) {
            result.fault = "larger than " + std::to_string(maxBytes) + " bytes";
        } else if (result.fault.empty()) {
            result.status = BoundedRead::Status::read;
            result.contents = std::move(contents);
        }
    }
    ::close(fd);
    return result;
}

}  // namespace joyvane::linux_desktop
