#include "posix/file_replace.h"
#include "workbench/file_io.h"

namespace workbench {

bool WriteFileBytes(const std::string& path, const std::string& bytes, std::string& reason) {
    return posix::ReplaceFile(path, bytes, reason);
}

}  // namespace workbench
