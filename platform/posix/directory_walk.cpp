#include "posix/directory_walk.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <vector>

namespace posix {

namespace {

// An open directory, closed on every path out; movable, unlike a plain descriptor.
class Fd {
  public:
    Fd() = default;
    explicit Fd(int fd) : fd_(fd) {}
    Fd(Fd&& other) noexcept : fd_(other.Release()) {}
    Fd& operator=(Fd&& other) noexcept {
        if (this != &other) {
            Reset();
            fd_ = other.Release();
        }
        return *this;
    }
    ~Fd() { Reset(); }
    bool Valid() const { return fd_ >= 0; }
    int Get() const { return fd_; }
    int Release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

  private:
    void Reset() {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }
    int fd_ = -1;
};

sys::FileId IdOf(const struct stat& status) {
    return {static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino)};
}

enum class Reached { kYes, kGone, kChanged, kFailed };

Reached FromErrno(int error) {
    switch (error) {
        case ENOENT:
            return Reached::kGone;
        case ELOOP:    // a link where a directory was
        case ENOTDIR:  // something else where a directory was
            return Reached::kChanged;
        default:
            return Reached::kFailed;
    }
}

// Opens the directory the steps lead to; `id` gets its identity.
Reached OpenSteps(std::span<const sys::PathStep> steps, Fd& directory, sys::FileId& id) {
    if (steps.empty())
        return Reached::kFailed;
    // The root is the user's own choice and may itself be reached through a link.
    Fd current(::open(steps[0].name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!current.Valid())
        return FromErrno(errno);
    for (std::size_t i = 0;; ++i) {
        struct stat status {};
        if (::fstat(current.Get(), &status) != 0)
            return Reached::kFailed;
        id = IdOf(status);
        if (steps[i].id.Known() && steps[i].id != id)
            return Reached::kChanged;
        if (i + 1 == steps.size())
            break;
        const std::string& name = steps[i + 1].name;
        if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos)
            return Reached::kChanged;
        Fd child(
            ::openat(current.Get(), name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!child.Valid())
            return FromErrno(errno);
        current = std::move(child);
    }
    directory = std::move(current);
    return Reached::kYes;
}

sys::EntryKind KindOf(mode_t mode) {
    if (S_ISREG(mode))
        return sys::EntryKind::kFile;
    if (S_ISDIR(mode))
        return sys::EntryKind::kDirectory;
    if (S_ISLNK(mode))
        return sys::EntryKind::kLink;
    return sys::EntryKind::kOther;
}

// Byte order of the names, as std::string compares them. Most names differ in their first
// eight bytes, so those are compared as one number and the entries moved only once.
void SortByName(std::vector<sys::DirectoryEntry>& entries) {
    struct Key {
        std::uint64_t head;  // the first eight bytes, big-endian, zeros after a shorter name
        std::size_t index;
    };
    std::vector<Key> keys;
    keys.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        std::uint64_t head = 0;
        for (std::size_t b = 0; b < 8; ++b) {
            const std::string& name = entries[i].name;
            head = head << 8 | (b < name.size() ? static_cast<unsigned char>(name[b]) : 0u);
        }
        keys.push_back({head, i});
    }
    // A name holds no NUL, so a shorter name's zeros order it before any longer one.
    std::sort(keys.begin(), keys.end(), [&entries](const Key& a, const Key& b) {
        return a.head != b.head ? a.head < b.head : entries[a.index].name < entries[b.index].name;
    });
    std::vector<sys::DirectoryEntry> sorted;
    sorted.reserve(entries.size());
    for (const Key& key : keys)
        sorted.push_back(std::move(entries[key.index]));
    entries = std::move(sorted);
}

}  // namespace

std::optional<sys::DirectoryListing> ListDirectory(std::span<const sys::PathStep> steps,
                                                   const sys::SizeWanted& sized) {
    Fd directory;
    sys::DirectoryListing listing;
    if (OpenSteps(steps, directory, listing.id) != Reached::kYes)
        return std::nullopt;
    const int fd = directory.Release();
    DIR* stream = ::fdopendir(fd);
    if (stream == nullptr) {
        ::close(fd);
        return std::nullopt;
    }
    while (const dirent* entry = ::readdir(stream)) {
        const char* name = entry->d_name;
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0)
            continue;
        sys::DirectoryEntry out;
        out.name = name;
        switch (entry->d_type) {
            case DT_DIR:
                out.kind = sys::EntryKind::kDirectory;
                break;
            case DT_LNK:
                out.kind = sys::EntryKind::kLink;
                break;
            case DT_REG:
                out.kind = sys::EntryKind::kFile;
                if (sized && !sized(out.name))
                    break;
                [[fallthrough]];
            case DT_UNKNOWN: {
                // A regular file's size, or what a file system without entry types holds.
                struct stat status {};
                if (::fstatat(::dirfd(stream), name, &status, AT_SYMLINK_NOFOLLOW) != 0)
                    continue;  // gone meanwhile
                out.kind = KindOf(status.st_mode);
                if (out.kind == sys::EntryKind::kFile)
                    out.size = static_cast<std::uint64_t>(status.st_size);
                break;
            }
            default:
                out.kind = sys::EntryKind::kOther;
                break;
        }
        listing.entries.push_back(std::move(out));
    }
    ::closedir(stream);
    // Name order, so a run lists the same way each time, as an NTFS directory does.
    SortByName(listing.entries);
    return listing;
}

sys::DeleteOutcome DeleteListedFile(std::span<const sys::PathStep> steps, const std::string& name,
                                    bool dryRun) {
    Fd directory;
    sys::FileId id;
    switch (OpenSteps(steps, directory, id)) {
        case Reached::kYes:
            break;
        case Reached::kGone:
            return sys::DeleteOutcome::kGone;
        case Reached::kChanged:
            return sys::DeleteOutcome::kChanged;
        case Reached::kFailed:
            return sys::DeleteOutcome::kFailed;
    }
    if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos)
        return sys::DeleteOutcome::kChanged;
    struct stat status {};
    if (::fstatat(directory.Get(), name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT ? sys::DeleteOutcome::kGone : sys::DeleteOutcome::kFailed;
    if (!S_ISREG(status.st_mode))
        return sys::DeleteOutcome::kChanged;
    if (dryRun)
        return sys::DeleteOutcome::kDeleted;
    // Should the file be swapped for a link right now, unlinkat removes the link, in this
    // directory: nothing outside is touched either way.
    if (::unlinkat(directory.Get(), name.c_str(), 0) == 0)
        return sys::DeleteOutcome::kDeleted;
    return errno == ENOENT ? sys::DeleteOutcome::kGone : sys::DeleteOutcome::kFailed;
}

}  // namespace posix
