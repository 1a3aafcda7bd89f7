#include "host/keyboard_scheme.h"

#include <string>

#include "editor/split_path.h"

namespace host {

namespace {

// The version is the last part of the registry root, e.g. "8.0" of "...\VisualStudio\8.0\".
std::optional<std::string> VersionOfRoot(std::string root) {
    if (!root.empty() && root.back() == '\\')
        root.pop_back();
    const std::size_t slash = root.rfind('\\');
    std::string version = slash == std::string::npos ? root : root.substr(slash + 1);
    if (version.size() < 2 || version.find('.', 1) == std::string::npos)
        return std::nullopt;
    return version;
}

std::string WithSeparator(std::string directory, editor::PathStyle style) {
    const char separator = editor::Separator(style);
    if (directory.empty() || directory.back() != separator)
        directory += separator;
    return directory;
}

std::string TargetFile(sys::Platform& platform, const std::string& directory,
                       const std::string& title) {
    std::string candidate;
    for (int n = 1; n <= kMaxSchemeCopies; ++n) {
        candidate = directory + title + " " + kSchemeMarker +
                    (n == 1 ? std::string() : " (" + std::to_string(n) + ")") + ".vsk";
        const std::optional<sys::FileInfo> existing = platform.FindFirstFile(candidate);
        if (!existing || existing->directory)
            return candidate;
    }
    return candidate;
}

}  // namespace

bool EnsureWritableScheme(ide::Environment& environment, sys::Platform& platform,
                          editor::PathStyle style) {
    ide::Ref<ide::Properties> properties = environment.GetProperties("Environment", "Keyboard");
    if (!properties || properties->Count() <= 0)
        return false;
    ide::Ref<ide::Property> scheme = properties->Item(1);
    if (!scheme || scheme->Name() != "Scheme")
        return false;
    const ide::Value value = scheme->GetValue();
    const std::string* current = std::get_if<std::string>(&value);
    if (current == nullptr || current->empty())
        return false;
    if (current->find(kSchemeMarker, 1) != std::string::npos)
        return true;

    const std::optional<std::string> appData = platform.ApplicationDataFolder();
    if (!appData || appData->empty())
        return false;
    const std::optional<std::string> version = VersionOfRoot(environment.RegistryRoot());
    if (!version)
        return false;

    const char separator = editor::Separator(style);
    const std::string directory = WithSeparator(*appData, style) + "Microsoft" + separator +
                                  "VisualStudio" + separator + *version + separator;
    std::string title = editor::SplitPath(*current, style).baseName;
    std::erase_if(title, [](char c) { return c == '[' || c == ']'; });

    platform.CreateDirectories(directory);
    const std::string target = TargetFile(platform, directory, title);
    if ((*current)[0] == '[') {
        const std::string library =
            editor::SplitPath(platform.ModuleFileName().value_or(std::string()), style).directory;
        platform.CopyFileNoOverwrite(library + kDefaultSchemeFile, target);
    } else {
        platform.CopyFileNoOverwrite(*current, target);
    }
    return scheme->SetValue(target);
}

}  // namespace host
