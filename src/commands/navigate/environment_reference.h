// A friend-directory entry may name an environment variable as "$$(NAME)".
#pragma once

#include <cstddef>
#include <string>

#include "sys/platform.h"

namespace commands::navigate {

// Values are read into a buffer of 1024 characters, so this is the longest that fits.
inline constexpr std::size_t kMaxEnvironmentValue = 1023;

// Replaces the first "$$(NAME)" of the entry by the variable's value; brackets inside the name
// balance. An unset variable, or one too long for the buffer, gives nothing. Later references
// stay as typed, and an entry whose first "$$(" is never closed is returned unchanged.
std::string ExpandEnvironmentReference(const std::string& entry, sys::Platform& platform);

}  // namespace commands::navigate
