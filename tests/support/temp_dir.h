// A directory of its own for one test, removed with everything in it afterwards.
#pragma once

#include <filesystem>
#include <set>
#include <string>

namespace testing_support {

// A file's bytes; empty when it cannot be read.
std::string ReadBytes(const std::filesystem::path& path);
// The names in a directory; with `recursive`, every path below it, relative to it.
std::set<std::string> Entries(const std::filesystem::path& directory, bool recursive = false);

class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // Writes a file below the directory (creating parent directories) and returns its path.
    std::filesystem::path Write(const std::string& relative, const std::string& bytes) const;
    std::string Read(const std::string& relative) const;

  private:
    std::filesystem::path path_;
};

}  // namespace testing_support
