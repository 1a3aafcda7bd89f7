// The friend file: the header of a source file, or a source of anything else.
#pragma once

#include <string>

#include "commands/command_context.h"
#include "editor/editor_document.h"
#include "editor/path_style.h"
#include "settings/settings.h"
#include "sys/platform.h"

namespace commands::navigate {

// The first existing file (not a directory) with the path's base name and an extension from
// the other list: headers for a source file, sources for anything else. Each extension, in
// list order, is tried beside the file and then in every friend directory before the next
// extension is tried anywhere. A friend directory written without its trailing separator is
// still that directory when one exists there. Where the file system tells case apart, a file
// whose extension differs only in case is found when the exact one is not. Empty when there
// is none.
std::string FindFriendFile(const std::string& path, const settings::Settings& settings,
                           sys::Platform& platform,
                           editor::PathStyle style = editor::NativePathStyle());

// FindFriendFile of the attached document.
std::string FriendPath(const editor::EditorDocument& document, const CommandContext& context);

}  // namespace commands::navigate
