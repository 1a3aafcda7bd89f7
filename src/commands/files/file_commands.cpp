#include "commands/files/file_commands.h"

#include <functional>

#include "commands/files/clipboard_blocks.h"
#include "editor/command_frame.h"
#include "editor/split_path.h"

namespace commands::files {

namespace {

// The common frame: the wait cursor, the active text document's path handed to `act`, which
// is not called without an environment or a text document.
void WithActiveFile(const CommandContext& context,
                    const std::function<void(editor::EditorDocument&, const std::string&)>& act) {
    editor::RunCommand(context.platform, true, [&] {
        if (context.environment == nullptr)
            return;
        editor::EditorDocument document(*context.environment, context.platform, context.Kinds());
        bool isText = false;
        if (!document.Attach(std::nullopt, &isText) && !isText)
            return;
        act(document, document.FullPath());
    });
}

// Clipboard commands: without a document the clipboard keeps its contents; with one whose
// path is empty it is left empty, as it was opened and emptied before the path was read.
void PutOnClipboard(
    const CommandContext& context,
    const std::function<std::vector<sys::ClipboardBlock>(const std::string&)>& blocksFor) {
    WithActiveFile(context, [&](editor::EditorDocument&, const std::string& path) {
        context.platform.SetClipboard(path.empty() ? std::vector<sys::ClipboardBlock>()
                                                   : blocksFor(path));
    });
}

}  // namespace

std::string FolderToOpen(const std::string& path, editor::PathStyle style) {
    std::string folder = editor::SplitPath(path, style).directory;
    const std::size_t keep = style == editor::PathStyle::Posix && folder.starts_with('/') ? 1 : 0;
    while (folder.size() > keep && folder.back() == editor::Separator(style))
        folder.pop_back();
    return folder;
}

void FileProperties(const CommandContext& context) {
    WithActiveFile(context, [&](editor::EditorDocument&, const std::string& path) {
        if (!path.empty())
            context.platform.ShellExecuteVerb("properties", path, true);
    });
}

void ToggleReadOnly(const CommandContext& context) {
    WithActiveFile(context, [&](editor::EditorDocument& document, const std::string& path) {
        if (path.empty())
            return;
        std::optional<std::uint32_t> attributes = context.platform.FileAttributes(path);
        if (!attributes)
            return;
        if ((*attributes & sys::kAttributeReadOnly) != 0) {
            *attributes &= ~static_cast<std::uint32_t>(sys::kAttributeReadOnly);
        } else {
            document.Save();
            *attributes |= sys::kAttributeReadOnly;
        }
        context.platform.SetFileAttributes(path, *attributes);
    });
}

void CopyFilename(const CommandContext& context) {
    PutOnClipboard(context,
                   [&](const std::string& path) { return PathTextBlocks(path, context.platform); });
}

void CopyFile(const CommandContext& context) {
    PutOnClipboard(context, [](const std::string& path) {
        return std::vector<sys::ClipboardBlock>{FileDropBlock(path)};
    });
}

void OpenFolder(const CommandContext& context) {
    WithActiveFile(context, [&](editor::EditorDocument&, const std::string& path) {
        const std::string folder = FolderToOpen(path, editor::NativePathStyle());
        if (!folder.empty())
            context.platform.ShellExecuteVerb("open", folder, false);
    });
}

}  // namespace commands::files
