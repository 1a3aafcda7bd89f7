#include "workbench/solution_tree.h"

namespace workbench {

ide::Ref<ide::ProjectItem> ProjectItemList::Item(long index) {
    if (index < 1 || index > Count())
        return nullptr;
    return items_[static_cast<std::size_t>(index - 1)];
}

std::shared_ptr<ProjectItemModel> ProjectItemList::AddItem(const std::string& kind,
                                                           const std::string& fileName) {
    items_.push_back(std::make_shared<ProjectItemModel>(kind, fileName));
    return items_.back();
}

std::shared_ptr<ProjectItemModel> ProjectItemList::AddFile(const std::string& path) {
    return AddItem(ide::kItemPhysicalFile, path);
}

std::shared_ptr<ProjectItemModel> ProjectItemList::AddPhysicalFolder(const std::string& path) {
    return AddItem(ide::kItemPhysicalFolder, path);
}

std::shared_ptr<ProjectItemModel> ProjectItemList::AddVirtualFolder(const std::string& name) {
    return AddItem(ide::kItemVirtualFolder, name);
}

std::shared_ptr<ProjectItemModel> ProjectItemList::AddSubProject(
    std::shared_ptr<ProjectModel> project) {
    std::string name = project ? project->FullName() : std::string();
    items_.push_back(
        std::make_shared<ProjectItemModel>(ide::kItemSubProject, name, std::move(project)));
    return items_.back();
}

ProjectItemModel::ProjectItemModel(std::string kind, std::string fileName,
                                   std::shared_ptr<ProjectModel> subProject)
    : kind_(std::move(kind)), fileName_(std::move(fileName)), subProject_(std::move(subProject)) {
    if (kind_ == ide::kItemPhysicalFolder || kind_ == ide::kItemVirtualFolder) {
        items_ = std::make_shared<ProjectItemList>();
    }
}

ide::Ref<ide::Project> ProjectItemModel::SubProject() {
    return subProject_;
}

ide::Ref<ide::Project> ProjectList::Item(long index) {
    if (index < 1 || index > Count())
        return nullptr;
    return projects_[static_cast<std::size_t>(index - 1)];
}

std::shared_ptr<ProjectModel> SolutionModel::AddProject(const std::string& name,
                                                        const std::string& fullName) {
    auto project = std::make_shared<ProjectModel>(name, fullName);
    projects_->Add(project);
    return project;
}

}  // namespace workbench
