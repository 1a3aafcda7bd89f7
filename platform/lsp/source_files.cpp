#include "lsp/source_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cstring>

#include "editor/extension_list.h"

namespace lsp {

namespace {

bool HasExtension(const char* name, const std::vector<std::string>& extensions) {
    const char* dot = std::strrchr(name, '.');
    return dot != nullptr && dot != name && editor::MatchesExtensionList(dot, extensions);
}

}  // namespace

std::vector<SourceFile> ListSourceFiles(const std::vector<std::string>& folders,
                                        const std::vector<std::string>& extensions) {
    std::vector<SourceFile> files;
    std::vector<std::string> pending(folders.rbegin(), folders.rend());
    while (!pending.empty()) {
        std::string directory = std::move(pending.back());
        pending.pop_back();
        DIR* listing = opendir(directory.c_str());
        if (listing == nullptr)
            continue;
        if (directory.empty() || directory.back() != '/')
            directory += '/';
        const int handle = dirfd(listing);
        while (const dirent* entry = readdir(listing)) {
            const char* name = entry->d_name;
            if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')))
                continue;
            const bool hidden = name[0] == '.';
            if (entry->d_type == DT_DIR) {
                if (!hidden)
                    pending.push_back(directory + name);
                continue;
            }
            const bool unknown = entry->d_type == DT_UNKNOWN;
            if (!unknown && entry->d_type != DT_REG)
                continue;
            const bool wanted = HasExtension(name, extensions);
            if (!wanted && !unknown)
                continue;
            struct stat status;
            if (fstatat(handle, name, &status, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            if (S_ISDIR(status.st_mode) && !hidden) {
                pending.push_back(directory + name);
            } else if (S_ISREG(status.st_mode) && wanted) {
                files.push_back({directory + name,
                                 static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1'000'000'000 +
                                     status.st_mtim.tv_nsec,
                                 static_cast<std::uint64_t>(status.st_size)});
            }
        }
        closedir(listing);
    }
    return files;
}

}  // namespace lsp
