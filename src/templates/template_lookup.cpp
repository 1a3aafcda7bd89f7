#include "templates/template_lookup.h"

#include "templates/template_walk.h"

namespace templates {

const TemplateNode* FindByIndex(const TemplateList& list, int number) {
    TemplateWalk walk(list);
    while (walk.Next()) {
        if (walk.Kind() != TemplateWalk::Step::kEnterGroup && walk.Number() == number)
            return &walk.Node();
    }
    return nullptr;
}

const TemplateNode* FindByCommandName(const TemplateList& list, std::string_view commandName) {
    TemplateWalk walk(list);
    while (walk.Next()) {
        if (walk.Kind() != TemplateWalk::Step::kLeaveGroup &&
            CommandName(walk.Node()) == commandName)
            return &walk.Node();
    }
    return nullptr;
}

}  // namespace templates
