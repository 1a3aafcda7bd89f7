#include "commands/navigate/friend_directory.h"

namespace commands::navigate {

namespace {

// Moves `path` one directory up; false once there is nothing left to climb, after which
// further climbs would not change it either.
bool ClimbOne(std::string& path, char separator, editor::PathStyle style) {
    // "D:" is a Windows root, which gets its '\' back at the end; "/" has nothing before it
    // to keep, so it stays whole.
    if (style == editor::PathStyle::Posix && path.size() == 1 && path[0] == separator)
        return false;
    if (!path.empty() && path.back() == separator)
        path.pop_back();
    const std::size_t last = path.rfind(separator);
    if (last == std::string::npos)
        return false;
    path.resize(last + 1);
    return true;
}

}  // namespace

bool IsAbsoluteDirectory(std::string_view entry, editor::PathStyle style) {
    if (style == editor::PathStyle::Posix)
        return entry.starts_with('/');
    // A network path "\\..." begins with '\' as well.
    return (entry.size() >= 2 && entry[1] == ':') || entry.starts_with('\\');
}

std::string CombineDirectory(const std::string& directory, const std::string& entry,
                             editor::PathStyle style) {
    if (IsAbsoluteDirectory(entry, style))
        return entry;
    const char separator = editor::Separator(style);
    const std::string here{'.', separator};
    const std::string up{'.', '.', separator};

    std::string_view rest = entry;
    while (rest.starts_with(here))
        rest.remove_prefix(here.size());
    std::string path = directory;
    bool climbing = true;
    while (rest.starts_with(up)) {
        rest.remove_prefix(up.size());
        if (climbing)
            climbing = ClimbOne(path, separator, style);
    }
    if (!path.empty() && path.back() != separator)
        path += separator;
    path += rest;
    return path;
}

}  // namespace commands::navigate
