#include "posix/file_replace.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstring>
#include <system_error>

#include "posix/descriptor.h"

namespace posix {
namespace {

namespace fs = std::filesystem;

// The kernel gives up on a chain this long too (ELOOP).
constexpr int kMaxLinks = 40;

std::string SystemReason(int error) {
    return std::strerror(error);
}

std::string TemporaryPrefix(const fs::path& target) {
    return "." + target.filename().string() + ".tmp-";
}

fs::path Directory(const fs::path& target) {
    return target.has_parent_path() ? target.parent_path() : fs::path(".");
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t count = ::write(fd, bytes.data(), bytes.size());
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0) {
            if (count == 0)
                errno = ENOSPC;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

// `.NAME.tmp-PID-N`, unique among this process's writes and, through O_EXCL, among everyone's.
std::optional<fs::path> CreateTemporary(const fs::path& target, int& fd) {
    static std::atomic<unsigned> counter = 0;
    const std::string stem = TemporaryPrefix(target) + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path candidate = Directory(target) / (stem + std::to_string(counter++));
        fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd >= 0)
            return candidate;
        if (errno != EEXIST)
            return std::nullopt;
    }
    return std::nullopt;
}

// The writer's PID, when `name` is one of the target's temporaries.
std::optional<pid_t> TemporaryWriter(const std::string& name, const std::string& prefix) {
    if (!name.starts_with(prefix))
        return std::nullopt;
    const char* first = name.data() + prefix.size();
    const char* last = name.data() + name.size();
    long pid = 0;
    auto [dash, error] = std::from_chars(first, last, pid);
    if (error != std::errc() || dash == first || dash == last || *dash != '-' || pid <= 0)
        return std::nullopt;
    unsigned long number = 0;
    auto [end, numberError] = std::from_chars(dash + 1, last, number);
    if (numberError != std::errc() || end == dash + 1 || end != last)
        return std::nullopt;
    return static_cast<pid_t>(pid);
}

}  // namespace

std::optional<fs::path> WriteTarget(const fs::path& path, std::string& reason) {
    fs::path current = path;
    for (int hops = 0;; ++hops) {
        struct stat status {};
        if (::lstat(current.c_str(), &status) != 0) {
            if (errno == ENOENT || errno == ENOTDIR)
                return current;
            reason = SystemReason(errno);
            return std::nullopt;
        }
        if (!S_ISLNK(status.st_mode))
            return current;
        if (hops == kMaxLinks) {
            reason = SystemReason(ELOOP);
            return std::nullopt;
        }
        std::error_code error;
        fs::path link = fs::read_symlink(current, error);
        if (error) {
            reason = error.message();
            return std::nullopt;
        }
        current = link.is_absolute() ? link : Directory(current) / link;
    }
}

bool MakeParents(const fs::path& path, std::string& reason) {
    std::error_code error;
    fs::create_directories(Directory(path), error);
    if (error)
        reason = error.message();
    return !error;
}

bool ReplaceFile(const fs::path& path, std::string_view bytes, std::string& reason,
                 Parents parents) {
    std::optional<fs::path> target = WriteTarget(path, reason);
    if (!target || (parents == Parents::kCreate && !MakeParents(*target, reason)))
        return false;

    // The rename would go through whatever the permissions say, as only the directory's count.
    struct stat existing {};
    const bool exists = ::stat(target->c_str(), &existing) == 0;
    if (exists && (!S_ISREG(existing.st_mode) || (existing.st_mode & 0222) == 0 ||
                   ::access(target->c_str(), W_OK) != 0)) {
        reason = S_ISREG(existing.st_mode) ? SystemReason(EACCES) : "not a regular file";
        return false;
    }
    int created = -1;
    std::optional<fs::path> temporary = CreateTemporary(*target, created);
    if (!temporary) {
        reason = SystemReason(errno);
        return false;
    }
    Descriptor fd(created);
    if (exists) {
        // Best effort: only root may give the file back to its owner.
        [[maybe_unused]] int owned = ::fchown(fd.Get(), existing.st_uid, existing.st_gid);
    }
    bool written = (!exists || ::fchmod(fd.Get(), existing.st_mode & 07777) == 0) &&
                   WriteAll(fd.Get(), bytes) && ::fsync(fd.Get()) == 0;
    int error = errno;
    if (!fd.Close() && written) {
        written = false;
        error = errno;
    }
    if (written && ::rename(temporary->c_str(), target->c_str()) != 0) {
        written = false;
        error = errno;
    }
    if (!written) {
        ::unlink(temporary->c_str());
        reason = SystemReason(error);
        return false;
    }
    Descriptor directory(::open(Directory(*target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.Get() >= 0)
        ::fsync(directory.Get());
    return true;
}

void RemoveStaleTemporaries(const fs::path& path) {
    std::string reason;
    std::optional<fs::path> target = WriteTarget(path, reason);
    if (!target)
        return;
    // Every writer holds the lock while its temporary exists, so under the lock a temporary
    // normally belongs to a writer that died. The writer's PID is checked all the same, for a
    // writer that took no lock: its file stays while that PID lives. A PID reused by an
    // unrelated process could keep it forever, so past a minute (far longer than any write
    // takes) the age alone decides; the worst a wrong guess does is fail that writer's rename,
    // which it reports, with the target untouched.
    const std::string prefix = TemporaryPrefix(*target);
    const auto now = fs::file_time_type::clock::now();
    std::error_code error;
    for (fs::directory_iterator entries(Directory(*target), error), end; !error && entries != end;
         entries.increment(error)) {
        const std::string name = entries->path().filename().string();
        std::optional<pid_t> writer = TemporaryWriter(name, prefix);
        if (!writer || !entries->is_regular_file(error))
            continue;
        const bool gone = ::kill(*writer, 0) != 0 && errno == ESRCH;
        const auto written = entries->last_write_time(error);
        const bool old = !error && now - written > std::chrono::minutes(1);
        if (gone || old)
            fs::remove(entries->path(), error);
        error.clear();
    }
}

}  // namespace posix
