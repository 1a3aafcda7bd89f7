#include "templates/document_variables.h"

#include <ctime>

#include "templates/time_format.h"

namespace templates {

long DocumentVariables::SelectionTopLine() {
    const ide::Ref<ide::TextSelection>& selection = document_.Selection();
    return selection ? selection->TopLine() : 1;
}

std::string DocumentVariables::SolutionPath() {
    ide::Ref<ide::Solution> solution =
        context_.environment != nullptr ? context_.environment->GetSolution() : nullptr;
    return solution ? solution->FullName() : std::string();
}

std::string DocumentVariables::FirstProjectName() {
    ide::Ref<ide::Solution> solution =
        context_.environment != nullptr ? context_.environment->GetSolution() : nullptr;
    ide::Ref<ide::Projects> projects = solution ? solution->GetProjects() : nullptr;
    if (!projects)
        return {};
    const long count = projects->Count();
    for (long i = 1; i <= count; ++i) {
        if (ide::Ref<ide::Project> project = projects->Item(i))
            return project->FullName().empty() ? std::string() : project->Name();
    }
    return {};
}

const analysis::MemberList* DocumentVariables::Members() {
    if (context_.members == nullptr || !*context_.members)
        return nullptr;
    return &**context_.members;
}

analysis::PasteStyle DocumentVariables::PasteStyle() {
    const settings::Settings& s = context_.settings;
    return {s.pasteDefaultParameters != 0, s.pastePrefixes != 0, s.pasteComment != 0,
            s.pasteSpace != 0};
}

std::string DocumentVariables::FormatTime(const std::string& format) {
    const std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    return local != nullptr ? templates::FormatTime(format, *local) : std::string();
}

}  // namespace templates
