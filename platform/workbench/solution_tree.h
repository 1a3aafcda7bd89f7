// A solution made of projects whose items are files, physical and virtual folders and
// sub-projects. Parents own their children; nothing points back up.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "editor/ide.h"

namespace workbench {

class ProjectModel;
class ProjectItemModel;

class ProjectItemList : public ide::ProjectItems {
  public:
    long Count() override { return static_cast<long>(items_.size()); }
    ide::Ref<ide::ProjectItem> Item(long index) override;

    std::shared_ptr<ProjectItemModel> AddFile(const std::string& path);
    std::shared_ptr<ProjectItemModel> AddPhysicalFolder(const std::string& path);
    std::shared_ptr<ProjectItemModel> AddVirtualFolder(const std::string& name);
    std::shared_ptr<ProjectItemModel> AddSubProject(std::shared_ptr<ProjectModel> project);
    // An item of any kind, for kinds the core must skip.
    std::shared_ptr<ProjectItemModel> AddItem(const std::string& kind, const std::string& fileName);

  private:
    std::vector<std::shared_ptr<ProjectItemModel>> items_;
};

class ProjectItemModel : public ide::ProjectItem {
  public:
    ProjectItemModel(std::string kind, std::string fileName,
                     std::shared_ptr<ProjectModel> subProject = nullptr);

    std::string Kind() override { return kind_; }
    // Only index 0 names a file.
    std::string FileNames(short index) override { return index == 0 ? fileName_ : std::string(); }
    // Empty for a file or a sub-project item.
    ide::Ref<ide::ProjectItems> GetProjectItems() override { return items_; }
    ide::Ref<ide::Project> SubProject() override;

    // The items below a folder; null for other kinds.
    ProjectItemList* Items() { return items_.get(); }

  private:
    std::string kind_;
    std::string fileName_;
    std::shared_ptr<ProjectItemList> items_;
    std::shared_ptr<ProjectModel> subProject_;
};

class ProjectModel : public ide::Project {
  public:
    ProjectModel(std::string name, std::string fullName)
        : name_(std::move(name)),
          fullName_(std::move(fullName)),
          items_(std::make_shared<ProjectItemList>()) {}

    std::string Name() override { return name_; }
    std::string FullName() override { return fullName_; }
    ide::Ref<ide::ProjectItems> GetProjectItems() override { return items_; }

    ProjectItemList& Items() { return *items_; }

  private:
    std::string name_;
    std::string fullName_;
    std::shared_ptr<ProjectItemList> items_;
};

class ProjectList : public ide::Projects {
  public:
    long Count() override { return static_cast<long>(projects_.size()); }
    ide::Ref<ide::Project> Item(long index) override;

    void Add(std::shared_ptr<ProjectModel> project) { projects_.push_back(std::move(project)); }

  private:
    std::vector<std::shared_ptr<ProjectModel>> projects_;
};

class SolutionModel : public ide::Solution {
  public:
    explicit SolutionModel(std::string fullName)
        : fullName_(std::move(fullName)), projects_(std::make_shared<ProjectList>()) {}

    std::string FullName() override { return fullName_; }
    ide::Ref<ide::Projects> GetProjects() override { return projects_; }

    std::shared_ptr<ProjectModel> AddProject(const std::string& name, const std::string& fullName);

  private:
    std::string fullName_;
    std::shared_ptr<ProjectList> projects_;
};

}  // namespace workbench
