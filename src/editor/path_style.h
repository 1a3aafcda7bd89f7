// The add-in's path rules are the Windows ones; the same rules with '/' serve POSIX hosts.
#pragma once

#include <string_view>

namespace editor {

enum class PathStyle { Windows, Posix };

// The style of the platform this build runs on (chosen by the build, not by the code).
PathStyle NativePathStyle();

// True for a character that ends a directory in the style.
bool IsDirectoryEnd(char c, PathStyle style);
char Separator(PathStyle style);
std::string_view PathStyleName(PathStyle style);

}  // namespace editor
