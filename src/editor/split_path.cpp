#include "editor/split_path.h"

namespace editor {

PathParts SplitPath(const std::string& path, PathStyle style) {
    std::size_t dirEnd = std::string::npos;
    for (std::size_t i = path.size(); i-- > 0;) {
        if (IsDirectoryEnd(path[i], style)) {
            dirEnd = i;
            break;
        }
    }
    const std::size_t nameStart = dirEnd == std::string::npos ? 0 : dirEnd + 1;
    std::size_t dot = path.rfind('.');
    if (dot != std::string::npos && dot < nameStart)
        dot = std::string::npos;

    PathParts parts;
    parts.directory = path.substr(0, nameStart);
    parts.baseName =
        path.substr(nameStart, dot == std::string::npos ? std::string::npos : dot - nameStart);
    if (dot != std::string::npos)
        parts.extension = path.substr(dot + 1);
    return parts;
}

}  // namespace editor
