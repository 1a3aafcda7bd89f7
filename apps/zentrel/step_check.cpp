#include "step_check.h"

#include <filesystem>
#include <string_view>
#include <unordered_set>

#include "editor/extension_list.h"
#include "host/command_setup.h"
#include "host/command_table.h"
#include "templates/template_walk.h"

namespace app {

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
    // The table is looked up as Exec looks it up, so the check cannot disagree with the run; a
    // template is matched by its exact name.
    std::unordered_set<std::string> templateNames;
    for (templates::TemplateWalk walk(templates); walk.Next();)
        templateNames.insert(templates::CommandName(walk.Node()));

    const std::string_view stem = host::kTemplateCommandStem;
    for (const Step& step : steps) {
        const auto* name = std::get_if<NameStep>(&step);
        if (name == nullptr ||
            host::FindNamedCommand(std::string(host::kCommandPrefix) + name->name) != nullptr)
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
