// Where a friend-directory entry points, seen from the document's directory.
#pragma once

#include <string>
#include <string_view>

#include "editor/path_style.h"

namespace commands::navigate {

// Windows: a drive ("X:..."), a network path ("\\...") or the current drive's root ("\...").
// Posix: a path from the root ("/...").
bool IsAbsoluteDirectory(std::string_view entry,
                         editor::PathStyle style = editor::NativePathStyle());

// An absolute entry alone; otherwise the entry's leading "./" are dropped and each leading
// "../" climbs one directory of `directory` (never above its root), and the rest of the entry
// follows the directory and a separator. Nothing is added at the end: an entry names its
// directory with a trailing separator. Only the style's separator counts.
std::string CombineDirectory(const std::string& directory, const std::string& entry,
                             editor::PathStyle style = editor::NativePathStyle());

}  // namespace commands::navigate
