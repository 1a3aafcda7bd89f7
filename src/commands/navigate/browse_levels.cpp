#include "commands/navigate/browse_levels.h"

#include <cstdint>
#include <variant>

#include "editor/command_frame.h"
#include "editor/project_files.h"
#include "editor/split_path.h"

namespace commands::navigate {

namespace {

int FallbackOf(int level) {
    return level == kMembersLevel ? kFilesLevel : kMembersLevel;
}

bool ContainsFile(const std::vector<std::string>& files, const std::string& file) {
    for (const std::string& candidate : files) {
        if (EqualsIgnoringCase(candidate, file))
            return true;
    }
    return false;
}

}  // namespace

std::string FileTitle(const std::string& path) {
    const editor::PathParts parts = editor::SplitPath(path);
    // A name without extension shows without a dangling dot.
    return parts.extension.empty() ? parts.baseName : parts.baseName + "." + parts.extension;
}

BrowseLoad BrowseLevels::Load() {
    const int asked = level;
    if (guard_[asked])
        return BrowseLoad::Nothing;
    if (LoadLevel(asked)) {
        display_ = lists_[asked];
        ++loads_;
        return BrowseLoad::Loaded;
    }
    level = FallbackOf(asked);
    guard_[asked] = true;
    // At most three levels deep: each level is guarded while its fallback runs.
    const BrowseLoad fallback = Load();
    guard_[asked] = false;
    if (fallback == BrowseLoad::Nothing) {
        // What is on display still belongs to the level before the chain.
        level = asked;
        return BrowseLoad::Nothing;
    }
    return BrowseLoad::FellBack;
}

bool BrowseLevels::LoadLevel(int which) {
    try {
        switch (which) {
            case kProjectsLevel:
                return LoadProjects();
            case kFilesLevel:
                return LoadFiles();
            default:
                return LoadMembers();
        }
    } catch (const editor::CommandAbort& abort) {
        if (!std::holds_alternative<int>(abort.reason))
            throw;
        lists_[which].Clear();
        return false;
    }
}

bool BrowseLevels::LoadProjects() {
    if (projectsLoaded_)
        return !lists_[kProjectsLevel].Empty();
    sys::WaitCursor wait(context_.platform);
    BrowseEntries& list = lists_[kProjectsLevel];
    list.Clear();
    ide::Ref<ide::Solution> solution =
        context_.environment ? context_.environment->GetSolution() : nullptr;
    if (!solution)
        return false;
    solutionName_ = solution->FullName();
    projectsLoaded_ = true;
    ide::Ref<ide::Projects> projects = solution->GetProjects();
    const long count = projects ? projects->Count() : 0;
    for (long i = 1; i <= count; ++i) {
        ide::Ref<ide::Project> project = projects->Item(i);
        if (!project)
            continue;
        std::string name = project->Name();
        std::string fullName = project->FullName();
        if (!name.empty() && !fullName.empty())
            list.Add(std::move(name), std::move(fullName));
    }
    SortEntries(list);
    return !list.Empty();
}

bool BrowseLevels::LoadFiles() {
    BrowseEntries& list = lists_[kFilesLevel];
    if (filesLoaded_ &&
        (EqualsIgnoringCase(filesProject_, currentProject) || currentProject.empty()))
        return !list.Empty();
    sys::WaitCursor wait(context_.platform);
    list.Clear();
    filesLoaded_ = false;
    ide::Ref<ide::Solution> solution =
        context_.environment ? context_.environment->GetSolution() : nullptr;
    ide::Ref<ide::Projects> projects = solution ? solution->GetProjects() : nullptr;
    if (!projects)
        return false;
    if (!TakeProjectFiles(*projects, false) && currentProject.empty())
        TakeProjectFiles(*projects, true);
    SortEntries(list);
    return !list.Empty();
}

bool BrowseLevels::TakeProjectFiles(ide::Projects& projects, bool firstProject) {
    const long count = projects.Count();
    for (long i = 1; i <= count; ++i) {
        ide::Ref<ide::Project> project = projects.Item(i);
        if (!project)
            continue;
        const std::string fullName = project->FullName();
        std::vector<std::string> files;
        editor::CollectProjectFiles(project->GetProjectItems(), files);
        const bool qualifies =
            firstProject || (currentProject.empty() ? ContainsFile(files, currentFile)
                                                    : EqualsIgnoringCase(fullName, currentProject));
        if (!qualifies)
            continue;
        BrowseEntries& list = lists_[kFilesLevel];
        for (std::string& file : files) {
            std::string title = FileTitle(file);
            list.Add(std::move(title), std::move(file));
        }
        if (currentProject.empty())
            currentProject = fullName;
        filesProject_ = fullName;
        filesLoaded_ = true;
        return true;
    }
    return false;
}

bool BrowseLevels::LoadMembers() {
    BrowseEntries& list = lists_[kMembersLevel];
    if (membersLoaded_ && (EqualsIgnoringCase(membersFile_, currentFile) || currentFile.empty()))
        return !list.Empty();
    sys::WaitCursor wait(context_.platform);
    list.Clear();
    membersLoaded_ = false;
    if (!context_.environment)
        return false;
    editor::EditorDocument document(*context_.environment, context_.platform, context_.Kinds());
    const std::optional<std::string> path =
        currentFile.empty() ? std::nullopt : std::optional(currentFile);
    if (!document.Attach(path, nullptr, true))
        return false;
    std::vector<std::string> names;
    std::vector<std::uint32_t> lines;
    document.ScanFileMembers(names, lines, context_.settings.browseShowsClasses != 0);
    for (std::size_t i = 0; i < names.size() && i < lines.size(); ++i)
        list.Add(std::move(names[i]), std::to_string(lines[i]));
    if (list.Empty())
        return false;
    currentLine = document.CaretLine();
    membersFile_ = document.FullPath();
    membersLoaded_ = true;
    if (currentFile.empty())
        currentFile = membersFile_;
    return true;
}

}  // namespace commands::navigate
