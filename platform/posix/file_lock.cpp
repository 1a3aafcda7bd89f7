#include "posix/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include "posix/descriptor.h"

namespace posix {

std::optional<FileLock> FileLock::Acquire(const std::filesystem::path& path, std::string& reason,
                                          Parents parents) {
    std::optional<std::filesystem::path> target = WriteTarget(path, reason);
    if (!target || (parents == Parents::kCreate && !MakeParents(*target, reason)))
        return std::nullopt;
    const std::filesystem::path lockPath =
        target->parent_path() / ("." + target->filename().string() + ".lock");
    Descriptor fd(::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666));
    if (fd.Get() < 0) {
        reason = "cannot open the lock " + lockPath.string() + ": " + std::strerror(errno);
        return std::nullopt;
    }
    while (::flock(fd.Get(), LOCK_EX) != 0) {
        if (errno != EINTR) {
            reason = "cannot lock " + lockPath.string() + ": " + std::strerror(errno);
            return std::nullopt;
        }
    }
    return FileLock(fd.Release());
}

FileLock::FileLock(FileLock&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    std::swap(fd_, other.fd_);
    return *this;
}

// Closing the descriptor releases the lock.
FileLock::~FileLock() {
    if (fd_ >= 0)
        ::close(fd_);
}

}  // namespace posix
