#include "commands/files/format_size.h"

namespace commands::files {

std::string FormatSize(std::uint64_t bytes) {
    constexpr std::uint64_t kKilo = 1024;
    constexpr std::uint64_t kMega = kKilo * 1024;
    constexpr std::uint64_t kGiga = kMega * 1024;
    if (bytes < kKilo)
        return std::to_string(bytes) + "B";
    if (bytes < kMega)
        return std::to_string(bytes / kKilo) + "kB";
    if (bytes < kGiga)
        return std::to_string(bytes / kMega) + "MB";
    return std::to_string(bytes / kGiga) + "GB";
}

}  // namespace commands::files
