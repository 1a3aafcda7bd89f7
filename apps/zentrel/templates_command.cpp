#include "templates_command.h"

#include <iostream>
#include <unordered_map>

#include "posix/answer_queue.h"
#include "posix/terminal_platform.h"
#include "templates/template_file.h"
#include "templates/template_walk.h"
#include "templates/tree_indent.h"

namespace app {

int RunTemplates(const std::optional<std::string>& templatesPath, std::ostream& out,
                 std::ostream& errors) {
    posix::AnswerQueue answers;
    posix::TerminalPlatform platform(answers, errors, std::cin, false);
    templates::TemplateList list;
    const std::string path = templatesPath ? *templatesPath : templates::TemplateFilePath(platform);
    if (!templates::LoadTemplateFile(platform, list, path))
        return 1;

    // A group's number comes after its children's, so number everything first.
    std::unordered_map<const templates::TemplateNode*, int> numbers;
    for (templates::TemplateWalk walk(list); walk.Next();) {
        if (walk.Number() != 0)
            numbers[&walk.Node()] = walk.Number();
    }
    out << path << '\n';
    for (templates::TemplateWalk walk(list); walk.Next();) {
        if (walk.Kind() == templates::TemplateWalk::Step::kLeaveGroup)
            continue;
        const templates::TemplateNode& node = walk.Node();
        out << templates::TreeIndent(walk.Depth()) << numbers[&node] << ' ';
        if (templates::IsSeparator(node) && !templates::IsGroup(node)) {
            out << "--------\n";
            continue;
        }
        out << node.name;
        if (templates::IsGroup(node))
            out << " >";
        if (templates::HasKey(node))
            out << "  [" << node.key << ']';
        out << "  CodeTempl_" << templates::CommandName(node);
        out << '\n';
    }
    return 0;
}

}  // namespace app
