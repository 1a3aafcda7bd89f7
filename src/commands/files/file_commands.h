// The five commands that act on the active document's file as a whole, through the shell
// and the clipboard. None reads or changes the document's text, and none shows a message.
#pragma once

#include "commands/command_context.h"
#include "editor/path_style.h"

namespace commands::files {

void FileProperties(const CommandContext& context);
// Making a file read-only saves pending edits first, while it is still writable.
void ToggleReadOnly(const CommandContext& context);
void CopyFilename(const CommandContext& context);
void CopyFile(const CommandContext& context);
void OpenFolder(const CommandContext& context);

// The folder Open Folder opens for a file: its directory without trailing separators (a
// drive's root gives the drive, "C:"); a POSIX root stays "/".
std::string FolderToOpen(const std::string& path, editor::PathStyle style);

}  // namespace commands::files
