// Lists of extensions and directories as the options sheet shows and reads them.
#pragma once

#include <string>
#include <string_view>

#include "editor/path_style.h"
#include "settings/settings.h"

namespace settings {

// The items joined by `separator`, without one after the last.
std::string JoinList(const StringList& items, std::string_view separator);

// The comma-separated parts of `text`, trimmed, empty ones dropped; one pair of double quotes
// around the whole text is taken off. With directory treatment every part ends with the
// style's separator.
StringList ParseList(std::string_view text, bool directories,
                     editor::PathStyle style = editor::NativePathStyle());

}  // namespace settings
