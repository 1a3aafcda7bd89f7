#include "editor/path_style.h"

namespace editor {

PathStyle NativePathStyle() {
    return PathStyle::ZENTREL_NATIVE_PATH_STYLE;
}

bool IsDirectoryEnd(char c, PathStyle style) {
    return style == PathStyle::Windows ? (c == '\\' || c == ':') : c == '/';
}

char Separator(PathStyle style) {
    return style == PathStyle::Windows ? '\\' : '/';
}

std::string_view PathStyleName(PathStyle style) {
    return style == PathStyle::Windows ? "Windows" : "Posix";
}

}  // namespace editor
