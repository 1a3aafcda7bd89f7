#include "templates/template_file.h"

#include <cctype>
#include <optional>
#include <string_view>

#include "editor/command_frame.h"
#include "editor/split_path.h"
#include "templates/template_parser.h"

namespace templates {

namespace {

bool EndsWithIgnoringCase(std::string_view text, std::string_view tail) {
    if (text.size() < tail.size())
        return false;
    text.remove_prefix(text.size() - tail.size());
    for (std::size_t i = 0; i < tail.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) !=
            std::tolower(static_cast<unsigned char>(tail[i])))
            return false;
    }
    return true;
}

// A module built in the Release configuration may run from beside the Debug one's template file.
std::optional<std::string> DebugSibling(const std::string& path, editor::PathStyle style) {
    const std::string directory = editor::SplitPath(path, style).directory;
    const std::string release = std::string("Release") + editor::Separator(style);
    if (!EndsWithIgnoringCase(directory, release))
        return std::nullopt;
    return directory.substr(0, directory.size() - release.size()) + "Debug" +
           editor::Separator(style) + path.substr(directory.size());
}

bool ReadInto(sys::Platform& platform, TemplateList& into, const std::string& path,
              editor::PathStyle style, const std::function<void()>& renewCommands) {
    into.Clear();
    if (path.empty())
        return false;
    std::optional<std::string> bytes = platform.ReadFile(path);
    if (!bytes) {
        if (const std::optional<std::string> sibling = DebugSibling(path, style))
            bytes = platform.ReadFile(*sibling);
    }
    if (!bytes) {
        editor::ShowMessage(platform, "Can't open file \"" + path + "\".");
        return false;
    }
    into = ParseTemplateText(*bytes);
    if (renewCommands)
        renewCommands();
    return true;
}

}  // namespace

std::string TemplateFilePath(sys::Platform& platform, editor::PathStyle style) {
    const std::optional<std::string> module = platform.ModuleFileName();
    if (!module) {
        editor::ShowMessage(platform, "Can't get DLL path.");
        return {};
    }
    return editor::SplitPath(*module, style).directory + kTemplateFileName;
}

bool LoadTemplateFile(sys::Platform& platform, TemplateList& into, const std::string& path,
                      editor::PathStyle style, const std::function<void()>& renewCommands) {
    sys::WaitCursor cursor(platform);
    return ReadInto(platform, into, path, style, renewCommands);
}

bool LoadTemplates(sys::Platform& platform, TemplateList& into, editor::PathStyle style,
                   const std::function<void()>& renewCommands) {
    sys::WaitCursor cursor(platform);
    into.Clear();
    return ReadInto(platform, into, TemplateFilePath(platform, style), style, renewCommands);
}

}  // namespace templates
