// The solution, its projects and their items.
#include "win32/dispatch_objects.h"

namespace win32 {

namespace {

class DispatchProjectItems;

class DispatchProject : public ide::Project, public DispatchBacked {
  public:
    using DispatchBacked::DispatchBacked;

    std::string Name() override { return target_.GetText(L"Name"); }
    std::string FullName() override { return target_.GetText(L"FullName"); }
    ide::Ref<ide::ProjectItems> GetProjectItems() override;
};

class DispatchProjectItem : public ide::ProjectItem, public DispatchBacked {
  public:
    using DispatchBacked::DispatchBacked;

    std::string Kind() override { return target_.GetText(L"Kind"); }
    std::string FileNames(short index) override { return target_.GetText(L"FileNames", index); }
    ide::Ref<ide::ProjectItems> GetProjectItems() override;
    ide::Ref<ide::Project> SubProject() override {
        return Wrap<DispatchProject>(target_.GetDispatch(L"SubProject"));
    }
};

class DispatchProjectItems : public ide::ProjectItems, public DispatchBacked {
  public:
    using DispatchBacked::DispatchBacked;

    long Count() override { return target_.GetLong(L"Count"); }
    ide::Ref<ide::ProjectItem> Item(long index) override {
        return Wrap<DispatchProjectItem>(target_.GetDispatch(L"Item", index));
    }
};

ide::Ref<ide::ProjectItems> DispatchProject::GetProjectItems() {
    return Wrap<DispatchProjectItems>(target_.GetDispatch(L"ProjectItems"));
}

ide::Ref<ide::ProjectItems> DispatchProjectItem::GetProjectItems() {
    return Wrap<DispatchProjectItems>(target_.GetDispatch(L"ProjectItems"));
}

class DispatchProjects : public ide::Projects, public DispatchBacked {
  public:
    using DispatchBacked::DispatchBacked;

    long Count() override { return target_.GetLong(L"Count"); }
    ide::Ref<ide::Project> Item(long index) override {
        return Wrap<DispatchProject>(target_.GetDispatch(L"Item", index));
    }
};

class DispatchSolution : public ide::Solution, public DispatchBacked {
  public:
    using DispatchBacked::DispatchBacked;

    std::string FullName() override { return target_.GetText(L"FullName"); }
    ide::Ref<ide::Projects> GetProjects() override {
        return Wrap<DispatchProjects>(target_.GetDispatch(L"Projects"));
    }
};

}  // namespace

ide::Ref<ide::Solution> MakeSolution(ComPtr<IDispatch> object) {
    return Wrap<DispatchSolution>(std::move(object));
}

}  // namespace win32
