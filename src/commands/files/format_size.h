#pragma once

#include <cstdint>
#include <string>

namespace commands::files {

// A byte count in whole B, kB, MB or GB (1024-based, rounded down), as "1023kB".
std::string FormatSize(std::uint64_t bytes);

}  // namespace commands::files
