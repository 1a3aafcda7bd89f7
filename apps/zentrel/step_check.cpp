#include "step_check.h"

#include <cctype>
#include <filesystem>
#include <string_view>
#include <unordered_set>

#include "editor/extension_list.h"
#include "host/command_setup.h"
#include "host/command_table.h"
#include "templates/template_walk.h"

namespace app {

namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

}  // namespace

std::optional<std::string> MalformedPosition(const OpenStep& step) {
    // No file name is longer than this, which also bounds the queries a long step costs.
    constexpr std::size_t kLongestPath = 4096;
    const std::string& path = step.path;
    std::optional<std::string> file;
    for (std::size_t colon = path.find(':'); colon != std::string::npos && colon < kLongestPath;
         colon = path.find(':', colon + 1)) {
        std::error_code error;
        const std::string prefix = path.substr(0, colon);
        if (!prefix.empty() && std::filesystem::is_regular_file(prefix, error))
            file = prefix;
    }
    if (!file)
        return std::nullopt;
    return "malformed position \"" + step.written.substr(file->size() + 1) + "\" after " + *file +
           ": a position is written " + "@FILE:L, @FILE:L:C or @FILE:L1:C1-L2:C2" +
           ", lines and columns from 1";
}

std::optional<std::string> FirstUnknownCommand(const std::vector<Step>& steps,
                                               const templates::TemplateList& templates) {
    // The IDE matches command names without regard to case; a template by its exact name.
    std::unordered_set<std::string> table;
    for (const host::CommandDef& row : host::NamedCommands())
        table.insert(Lower(row.name));
    std::unordered_set<std::string> templateNames;
    for (templates::TemplateWalk walk(templates); walk.Next();)
        templateNames.insert(templates::CommandName(walk.Node()));

    const std::string_view stem = host::kTemplateCommandStem;
    for (const Step& step : steps) {
        const auto* name = std::get_if<NameStep>(&step);
        if (name == nullptr || table.contains(Lower(name->name)))
            continue;
        if (name->name.size() > stem.size() &&
            editor::EqualsIgnoreCase(std::string_view(name->name).substr(0, stem.size()), stem) &&
            templateNames.contains(name->name.substr(stem.size())))
            continue;
        return name->name;
    }
    return std::nullopt;
}

}  // namespace app
