#include "workbench/file_io.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace workbench {
namespace {

std::string LastError() {
    return std::error_code(errno, std::generic_category()).message();
}

}  // namespace

std::string NormalizePath(const std::string& path) {
    if (path.empty())
        return {};
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(path, error);
    if (error)
        return path;
    absolute = absolute.lexically_normal();
    if (!absolute.has_filename() && absolute.has_relative_path())
        absolute = absolute.parent_path();
    return absolute.string();
}

bool ReadFileBytes(const std::string& path, std::string& bytes, std::string& reason) {
    std::error_code error;
    std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error) {
        reason = error.message();
        return false;
    }
    if (std::filesystem::is_directory(status)) {
        reason = std::make_error_code(std::errc::is_a_directory).message();
        return false;
    }
    // A pipe or device could block or never end.
    if (!std::filesystem::is_regular_file(status)) {
        reason = "not a regular file";
        return false;
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        reason = LastError();
        return false;
    }
    std::string content;
    char chunk[1 << 16];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        content.append(chunk, got);
    bool failed = std::ferror(file) != 0;
    if (failed)
        reason = LastError();
    std::fclose(file);
    if (failed)
        return false;
    bytes = std::move(content);
    return true;
}

}  // namespace workbench
