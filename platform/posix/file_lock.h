// An advisory lock shared by every process that reads, changes and writes back one file.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "posix/file_replace.h"

namespace posix {

class FileLock {
  public:
    // Waits for the exclusive lock of the file a write to `path` lands in, held on
    // `.NAME.lock` beside it. That file is created when missing and never removed: removing
    // it would let two processes lock two different files of the same name.
    static std::optional<FileLock> Acquire(const std::filesystem::path& path, std::string& reason,
                                           Parents parents = Parents::kMustExist);

    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    ~FileLock();

  private:
    explicit FileLock(int fd) : fd_(fd) {}

    int fd_;
};

}  // namespace posix
