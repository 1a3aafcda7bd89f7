// A solution read from a directory: one project named after the directory, holding its files and
// subdirectories as physical items, sorted by name.
#pragma once

#include <memory>
#include <string>

#include "workbench/solution_tree.h"

namespace workbench {

// Deeper directories still show as folders but stay empty; it bounds the walk on mount loops.
inline constexpr int kMaxSolutionDepth = 64;

// The solution's file name is DIR/NAME.sln (no such file need exist), the project's full name
// the directory itself. Hidden entries (a leading '.') and symbolic links to directories are
// left out; an unreadable subdirectory shows empty. Empty, with `error` set, when the path is no
// readable directory.
std::shared_ptr<SolutionModel> LoadSolutionDirectory(const std::string& path, std::string& error);

}  // namespace workbench
