// The C/C++ files of a tree, with what tells that one changed: found with one status call per
// file whose extension fits, so a large tree can be checked again on every request.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lsp {

struct SourceFile {
    std::string path;
    std::int64_t modified = 0;  // nanoseconds
    std::uint64_t size = 0;
};

// Regular files whose extension is in `extensions`, below each folder. Directories whose name
// starts with a dot are not entered and no symbolic link is followed, so the walk ends
// however the links run; unreadable directories are passed over.
std::vector<SourceFile> ListSourceFiles(const std::vector<std::string>& folders,
                                        const std::vector<std::string>& extensions);

}  // namespace lsp
