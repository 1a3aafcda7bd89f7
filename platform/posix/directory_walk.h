// Directory listing and deletion that never follow a link below the walk's root: every step
// is opened relative to the one above it without following links, and checked to be the
// directory that was listed.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "sys/platform.h"

namespace posix {

// Only the files `sized` picks (all when it is empty) cost a status call, and entries of a file
// system without entry types.
std::optional<sys::DirectoryListing> ListDirectory(std::span<const sys::PathStep> steps,
                                                   const sys::SizeWanted& sized);

// dryRun: only tells what a deletion would do.
sys::DeleteOutcome DeleteListedFile(std::span<const sys::PathStep> steps, const std::string& name,
                                    bool dryRun);

}  // namespace posix
