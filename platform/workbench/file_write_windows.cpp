// Under Wine the workbench is the IDE double of the add-in's tests: a plain write will do.
#include <cerrno>
#include <cstdio>
#include <system_error>

#include "workbench/file_io.h"

namespace workbench {

bool WriteFileBytes(const std::string& path, const std::string& bytes, std::string& reason) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    bool written =
        file != nullptr && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (file != nullptr && std::fclose(file) != 0)
        written = false;
    if (!written)
        reason = std::error_code(errno, std::generic_category()).message();
    return written;
}

}  // namespace workbench
