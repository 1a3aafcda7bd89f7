// Every user option of the add-in, in one record.
#pragma once

#include <string>
#include <vector>

namespace settings {

using StringList = std::vector<std::string>;

struct Settings {
    StringList sourceExtensions;
    StringList headerExtensions;
    StringList friendFileDirectories;
    std::string templateAuthor;
    int addBookmarks = 0;
    int pasteDefaultParameters = 1;
    int pastePrefixes = 1;
    int pasteComment = 1;
    int pasteSpace = 0;
    int commentizeStyle = 0;
    int browseShowsClasses = 0;

    bool operator==(const Settings&) const = default;
};

}  // namespace settings
