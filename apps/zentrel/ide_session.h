// One run of a profile's IDE against its files: NAME.ide.json and NAME.registry beside the
// profile. Runs of the same IDE take turns, as one IDE per profile can run at a time.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>

#include "posix/file_lock.h"

namespace app {

class IdeSession {
  public:
    // Waits for the IDE's lock and removes what killed writers of the IDE's files and of the
    // profile left behind. Nothing, with the reason on `errors`, when the lock cannot be had:
    // the files could not be written either.
    static std::optional<IdeSession> Start(const std::filesystem::path& profile,
                                           std::ostream& errors);

  private:
    explicit IdeSession(posix::FileLock lock) : lock_(std::move(lock)) {}

    posix::FileLock lock_;
};

}  // namespace app
