#include "posix/file_profile_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <variant>

#include "posix/descriptor.h"
#include "posix/file_lock.h"
#include "posix/file_replace.h"

namespace posix {
namespace {

namespace fs = std::filesystem;

constexpr char kNotSaved[] = "; using defaults, and settings will not be saved to it";

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

}  // namespace

FileProfileStore::FileProfileStore(std::filesystem::path path, std::ostream& errors)
    : path_(std::move(path)), errors_(errors) {
    Reload();
}

void FileProfileStore::Reload() {
    document_ = {};
    writable_ = true;
    std::string problem;
    FileBytes file = ReadFile(path_);
    if (!file.missing && !file.problem.empty()) {
        problem = path_.string() + ": cannot read the profile (" + file.problem + ")";
    } else if (!file.missing) {
        auto parsed = settings::ProfileDocument::Parse(file.bytes);
        if (const auto* failure = std::get_if<settings::ProfileDocument::ParseError>(&parsed)) {
            problem = path_.string() + ':' + std::to_string(failure->line) +
                      ": malformed profile: " + failure->reason;
        } else {
            document_ = std::get<settings::ProfileDocument>(std::move(parsed));
        }
    }
    if (problem.empty())
        return;
    writable_ = false;
    // Read again under a lock, the same fault is not news.
    if (problem != loadProblem_)
        errors_ << problem << kNotSaved << '\n';
    loadProblem_ = problem;
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
    return Apply(
        [&](settings::ProfileDocument& document) { return document.Set(section, name, value); });
}

bool FileProfileStore::WriteString(const std::string& section, const std::string& name,
                                   const std::string& value) {
    return Apply(
        [&](settings::ProfileDocument& document) { return document.Set(section, name, value); });
}

bool FileProfileStore::ClearSection(const std::string& section) {
    // A section already missing needs no write; a section present is removed below.
    return Apply([&](settings::ProfileDocument& document) {
        document.RemoveSection(section);
        return true;
    });
}

bool FileProfileStore::Apply(const Change& change) {
    if (!writable_)
        return false;
    if (inMemoryOnly_)
        return change(document_);
    std::string reason;
    std::optional<FileLock> lock = FileLock::Acquire(path_, reason, Parents::kCreate);
    if (!lock)
        return Fail(reason);
    // What a killed writer left goes with the next write, whichever command makes it.
    RemoveStaleTemporaries(path_);
    settings::ProfileDocument current;
    FileBytes file = ReadFile(path_);
    if (!file.missing && !file.problem.empty())
        return Fail("cannot read it again (" + file.problem + ")");
    if (!file.missing) {
        auto parsed = settings::ProfileDocument::Parse(file.bytes);
        if (std::holds_alternative<settings::ProfileDocument::ParseError>(parsed))
            return Fail("another program left it malformed");
        current = std::get<settings::ProfileDocument>(std::move(parsed));
    }
    settings::ProfileDocument changed = current;
    if (!change(changed))
        return false;
    if (changed != current && !ReplaceFile(path_, changed.Serialize(), reason, Parents::kCreate))
        return Fail(reason);
    document_ = std::move(changed);
    return true;
}

bool FileProfileStore::Fail(const std::string& reason) {
    const std::string message = path_.string() + ": cannot save the settings: " + reason;
    if (reported_.insert(message).second)
        errors_ << message << '\n';
    return false;
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
