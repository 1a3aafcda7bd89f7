#include "ide_session.h"

#include <ostream>
#include <string>

#include "ide_files.h"
#include "posix/file_replace.h"

namespace app {

std::optional<IdeSession> IdeSession::Start(const std::filesystem::path& profile,
                                            std::ostream& errors) {
    std::string reason;
    // The IDE's lock lives beside its state file and covers the registry too.
    std::optional<posix::FileLock> lock =
        posix::FileLock::Acquire(IdeStatePath(profile), reason, posix::Parents::kCreate);
    if (!lock) {
        errors << "zentrel: " << reason << '\n';
        return std::nullopt;
    }
    posix::RemoveStaleTemporaries(IdeStatePath(profile));
    posix::RemoveStaleTemporaries(RegistryPath(profile));
    if (std::optional<posix::FileLock> profileLock = posix::FileLock::Acquire(profile, reason))
        posix::RemoveStaleTemporaries(profile);
    return IdeSession(std::move(*lock));
}

}  // namespace app
