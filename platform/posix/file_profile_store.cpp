#include "posix/file_profile_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <system_error>
#include <utility>
#include <variant>

namespace posix {
namespace {

namespace fs = std::filesystem;

constexpr char kNotSaved[] = "; using defaults, and settings will not be saved to it";

// A file descriptor closed on every path out.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int Get() const { return fd_; }
    bool Close() { return ::close(std::exchange(fd_, -1)) == 0; }

  private:
    int fd_;
};

struct FileBytes {
    std::string bytes;
    bool missing = false;
    std::string problem;  // why it could not be read; empty when it was
};

// Only a regular file is read, so a FIFO or device named by mistake cannot block startup.
FileBytes ReadFile(const fs::path& path) {
    FileBytes file;
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat status {};
    if (fd.Get() < 0 || ::fstat(fd.Get(), &status) != 0) {
        file.missing = errno == ENOENT;
        file.problem = std::strerror(errno);
        return file;
    }
    if (!S_ISREG(status.st_mode)) {
        file.problem = "not a regular file";
        return file;
    }
    char buffer[8192];
    for (;;) {
        ssize_t count = ::read(fd.Get(), buffer, sizeof buffer);
        if (count == 0) {
            return file;
        }
        if (count > 0) {
            file.bytes.append(buffer, static_cast<std::size_t>(count));
        } else if (errno != EINTR && errno != EAGAIN) {
            file.problem = std::strerror(errno);
            return file;
        }
    }
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t count = ::write(fd, bytes.data(), bytes.size());
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

// Makes a fresh file beside the target, so the rename stays on one file system. The mode
// asks for what a plain create would give; umask applies.
std::optional<fs::path> CreateTemporary(const fs::path& target, int& fd) {
    static unsigned counter = 0;
    std::string stem = "." + target.filename().string() + ".tmp-" + std::to_string(::getpid());
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path candidate = target.parent_path() / (stem + "-" + std::to_string(counter++));
        fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            return candidate;
        }
        if (errno != EEXIST) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

void SyncDirectory(const fs::path& directory) {
    Descriptor fd(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.Get() >= 0) {
        ::fsync(fd.Get());
    }
}

// Readers see the old file or the new one, never a part; a crash at worst leaves a stray
// temporary, never a truncated profile.
bool ReplaceFile(const fs::path& path, std::string_view bytes) {
    std::error_code error;
    fs::path target = path;
    if (fs::is_symlink(path, error)) {
        // Replace what the link points at and keep the link.
        target = fs::weakly_canonical(path, error);
        if (error) {
            return false;
        }
    }
    if (target.parent_path().empty()) {
        target = fs::path(".") / target;
    }
    fs::create_directories(target.parent_path(), error);
    if (error) {
        return false;
    }

    struct stat existing {};
    bool keepMode = ::stat(target.c_str(), &existing) == 0;
    int created = -1;
    std::optional<fs::path> temporary = CreateTemporary(target, created);
    if (!temporary) {
        return false;
    }
    Descriptor fd(created);
    bool written = (!keepMode || ::fchmod(fd.Get(), existing.st_mode & 07777) == 0) &&
                   WriteAll(fd.Get(), bytes) && ::fsync(fd.Get()) == 0;
    written = fd.Close() && written;
    if (!written || ::rename(temporary->c_str(), target.c_str()) != 0) {
        ::unlink(temporary->c_str());
        return false;
    }
    SyncDirectory(target.parent_path());
    return true;
}

}  // namespace

FileProfileStore::FileProfileStore(std::filesystem::path path, std::ostream& errors)
    : path_(std::move(path)) {
    FileBytes file = ReadFile(path_);
    if (file.missing) {
        return;
    }
    if (!file.problem.empty()) {
        writable_ = false;
        errors << path_.string() << ": cannot read the profile (" << file.problem << ")"
               << kNotSaved << '\n';
        return;
    }
    auto parsed = settings::ProfileDocument::Parse(file.bytes);
    if (const auto* failure = std::get_if<settings::ProfileDocument::ParseError>(&parsed)) {
        writable_ = false;
        errors << path_.string() << ':' << failure->line
               << ": malformed profile: " << failure->reason << kNotSaved << '\n';
        return;
    }
    document_ = std::get<settings::ProfileDocument>(std::move(parsed));
}

std::optional<std::int32_t> FileProfileStore::ReadInt(const std::string& section,
                                                      const std::string& name) {
    const auto* value = document_.Find(section, name);
    if (value == nullptr || !std::holds_alternative<std::int32_t>(*value)) {
        return std::nullopt;
    }
    return std::get<std::int32_t>(*value);
}

std::optional<std::string> FileProfileStore::ReadString(const std::string& section,
                                                        const std::string& name) {
    const auto* value = document_.Find(section, name);
    if (value == nullptr || !std::holds_alternative<std::string>(*value)) {
        return std::nullopt;
    }
    return std::get<std::string>(*value);
}

bool FileProfileStore::WriteInt(const std::string& section, const std::string& name,
                                std::int32_t value) {
    return Write(section, name, value);
}

bool FileProfileStore::WriteString(const std::string& section, const std::string& name,
                                   const std::string& value) {
    return Write(section, name, value);
}

bool FileProfileStore::Write(const std::string& section, const std::string& name,
                             settings::ProfileValue value) {
    if (!writable_) {
        return false;
    }
    settings::ProfileDocument changed = document_;
    if (!changed.Set(section, name, std::move(value))) {
        return false;
    }
    if (!ReplaceFile(path_, changed.Serialize())) {
        return false;
    }
    document_ = std::move(changed);
    return true;
}

bool FileProfileStore::ClearSection(const std::string& section) {
    if (!writable_)
        return false;
    settings::ProfileDocument changed = document_;
    // Nothing to remove: the file need not be touched.
    if (!changed.RemoveSection(section))
        return true;
    if (!ReplaceFile(path_, changed.Serialize()))
        return false;
    document_ = std::move(changed);
    return true;
}

std::optional<std::filesystem::path> DefaultProfilePath(const EnvironmentLookup& environment) {
    auto variable = [&](const char* name) -> std::optional<std::string> {
        std::optional<std::string> value = environment(name);
        if (value && value->empty()) {
            return std::nullopt;
        }
        return value;
    };
    if (auto profile = variable("ZENTREL_PROFILE")) {
        return fs::path(*profile);
    }
    if (auto config = variable("XDG_CONFIG_HOME"); config && fs::path(*config).is_absolute()) {
        return fs::path(*config) / "Tarn" / "Zentrel2.reg";
    }
    if (auto home = variable("HOME")) {
        return fs::path(*home) / ".config" / "Tarn" / "Zentrel2.reg";
    }
    return std::nullopt;
}

std::optional<std::filesystem::path> DefaultProfilePath() {
    return DefaultProfilePath([](const std::string& name) -> std::optional<std::string> {
        const char* value = std::getenv(name.c_str());
        if (value == nullptr) {
            return std::nullopt;
        }
        return std::string(value);
    });
}

}  // namespace posix
