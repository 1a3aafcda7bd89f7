// The profile on POSIX: one registry-export text file, read once when the store is made and
// replaced atomically on every write.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
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
    FileProfileStore& operator=(const FileProfileStore&) = delete;

    std::optional<std::int32_t> ReadInt(const std::string& section,
                                        const std::string& name) override;
    std::optional<std::string> ReadString(const std::string& section,
                                          const std::string& name) override;
    // Each successful write has replaced the file (a temporary beside it, synced, renamed
    // over it); a failed one leaves both the file and this store unchanged. Changes made to
    // the file by others since it was read are overwritten.
    bool WriteInt(const std::string& section, const std::string& name, std::int32_t value) override;
    bool WriteString(const std::string& section, const std::string& name,
                     const std::string& value) override;

    bool ClearSection(const std::string& section) override;
    const std::filesystem::path& Path() const { return path_; }
    bool Writable() const { return writable_; }

  private:
    bool Write(const std::string& section, const std::string& name, settings::ProfileValue value);

    std::filesystem::path path_;
    settings::ProfileDocument document_;
    bool writable_ = true;
};

using EnvironmentLookup = std::function<std::optional<std::string>(const std::string& name)>;

// $ZENTREL_PROFILE, else $XDG_CONFIG_HOME/Tarn/Zentrel2.reg, else
// $HOME/.config/Tarn/Zentrel2.reg. Empty variables count as unset and a relative
// XDG_CONFIG_HOME is ignored, as the base-directory convention asks; nothing when even HOME
// is unset.
std::optional<std::filesystem::path> DefaultProfilePath(const EnvironmentLookup& environment);
std::optional<std::filesystem::path> DefaultProfilePath();

}  // namespace posix
