#include "workbench/file_io.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "workbench/memory_advice.h"

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

std::optional<FileStamp> StampOf(const std::string& path) {
    std::error_code error;
    FileStamp stamp;
    stamp.time = std::filesystem::last_write_time(path, error);
    if (!error)
        stamp.size = std::filesystem::file_size(path, error);
    if (error)
        return std::nullopt;
    return stamp;
}

bool ReadFileBytes(const std::string& path, std::string& bytes, std::string& reason,
                   std::optional<FileStamp>* stamp) {
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
    if (stamp != nullptr)
        *stamp = StampOf(path);
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        reason = LastError();
        return false;
    }
    // Read in place at the size the file has now, and on while it grows: no chunk is copied
    // again and the text is never moved to a larger buffer on the way.
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    std::string content;
    if (!error) {
        content.reserve(static_cast<std::size_t>(size) + 1);
        ExpectFilling(content.data(), content.capacity());
        content.resize(static_cast<std::size_t>(size) + 1);
    }
    std::size_t length = 0;
    for (;;) {
        if (length == content.size())
            content.resize(std::max<std::size_t>(content.size() * 2, 1 << 16));
        const std::size_t got =
            std::fread(content.data() + length, 1, content.size() - length, file);
        length += got;
        if (got == 0)
            break;
    }
    content.resize(length);
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
