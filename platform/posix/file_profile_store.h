// The profile on POSIX: one registry-export text file, read when the store is made and
// replaced as a whole on every write.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <set>
#include <string>

#include "settings/profile_document.h"
#include "settings/profile_store.h"

namespace posix {

class FileProfileStore : public settings::ProfileStore {
  public:
    // A missing file is an empty profile. A file that cannot be read or parsed is reported
    // once on `errors`, read as empty and never written: every write then fails, so the
    // user's file stays as it is until they repair or remove it.
    FileProfileStore(std::filesystem::path path, std::ostream& errors);
    FileProfileStore(const FileProfileStore&) = delete;
    // Reads the file again, for a caller that has just taken a lock its writers hold.
    void Reload();
    FileProfileStore& operator=(const FileProfileStore&) = delete;

    std::optional<std::int32_t> ReadInt(const std::string& section,
                                        const std::string& name) override;
    std::optional<std::string> ReadString(const std::string& section,
                                          const std::string& name) override;
    // Each write takes the file's lock, reads the file again, applies its one change and
    // replaces the file, so a change another process made meanwhile survives. A failed write
    // leaves the file and this store as they were, and is reported on `errors` (each distinct
    // reason once) and remembered.
    bool WriteInt(const std::string& section, const std::string& name, std::int32_t value) override;
    bool WriteString(const std::string& section, const std::string& name,
                     const std::string& value) override;

    bool ClearSection(const std::string& section) override;
    const std::filesystem::path& Path() const { return path_; }
    // False for a file that could not be read or parsed: it is left alone, and writes to it
    // fail without counting as failures, since the reason was given when it was read.
    bool Writable() const { return writable_; }
    // Writes from now on change only what this store reads back (a dry run).
    void KeepChangesInMemory() { inMemoryOnly_ = true; }
    // Whether any write could not reach the file.
    bool WriteFailed() const { return !reported_.empty(); }

  private:
    using Change = std::function<bool(settings::ProfileDocument&)>;
    bool Apply(const Change& change);
    bool Fail(const std::string& reason);

    std::filesystem::path path_;
    std::ostream& errors_;
    settings::ProfileDocument document_;
    std::set<std::string> reported_;
    std::string loadProblem_;
    bool writable_ = true;
    bool inMemoryOnly_ = false;
};

using EnvironmentLookup = std::function<std::optional<std::string>(const std::string& name)>;

// $ZENTREL_PROFILE, else $XDG_CONFIG_HOME/Tarn/Zentrel2.reg, else
// $HOME/.config/Tarn/Zentrel2.reg. Empty variables count as unset and a relative
// XDG_CONFIG_HOME is ignored, as the base-directory convention asks; nothing when even HOME
// is unset.
std::optional<std::filesystem::path> DefaultProfilePath(const EnvironmentLookup& environment);
std::optional<std::filesystem::path> DefaultProfilePath();

}  // namespace posix
