#pragma once

#include <string>

#include "editor/path_style.h"

namespace editor {

struct PathParts {
    std::string directory;  // with its final separator; empty when there is none
    std::string baseName;
    std::string extension;  // without the dot
};

// Splits at the last directory end; the extension starts after the last '.' behind it.
PathParts SplitPath(const std::string& path, PathStyle style = NativePathStyle());

}  // namespace editor
