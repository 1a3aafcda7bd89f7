// The exact blocks the file commands put on the clipboard.
#pragma once

#include <string>
#include <vector>

#include "sys/platform.h"

namespace commands::files {

// The path as ANSI text, as OEM text and (where the clipboard takes it) as UTF-16 text, each
// with its terminating NUL; nothing for an empty path.
std::vector<sys::ClipboardBlock> PathTextBlocks(const std::string& path, sys::Platform& platform);

// A shell file-drop list of the one path: the 20-byte header (list offset 20, drop point 0,0,
// client area, 8-bit names), the path, its NUL and the NUL that ends the list.
sys::ClipboardBlock FileDropBlock(const std::string& path);

// The paths of a file-drop list, for hosts that show it in another form; empty for a block
// that is not one.
std::vector<std::string> FileDropPaths(const std::string& bytes);

}  // namespace commands::files
