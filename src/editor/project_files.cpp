#include "editor/project_files.h"

namespace editor {

namespace {

struct Level {
    ide::Ref<ide::ProjectItems> items;
    long next = 1;
    long count = 0;
};

ide::Ref<ide::ProjectItems> ChildItems(ide::ProjectItem& item, const std::string& kind) {
    if (kind == ide::kItemPhysicalFolder || kind == ide::kItemVirtualFolder) {
        return item.GetProjectItems();
    }
    if (kind == ide::kItemSubProject) {
        ide::Ref<ide::Project> project = item.SubProject();
        return project ? project->GetProjectItems() : nullptr;
    }
    return nullptr;
}

}  // namespace

void CollectProjectFiles(const ide::Ref<ide::ProjectItems>& items, std::vector<std::string>& out) {
    if (!items)
        return;
    // An explicit stack: the IDE's tree may be as deep as the user's folders are.
    std::vector<Level> stack;
    stack.push_back({items, 1, items->Count()});
    while (!stack.empty()) {
        Level& level = stack.back();
        if (level.next > level.count) {
            stack.pop_back();
            continue;
        }
        ide::Ref<ide::ProjectItem> item = level.items->Item(level.next++);
        if (!item)
            continue;
        const std::string kind = item->Kind();
        if (kind == ide::kItemPhysicalFile) {
            std::string path = item->FileNames(0);
            if (!path.empty())
                out.push_back(std::move(path));
            continue;
        }
        ide::Ref<ide::ProjectItems> children = ChildItems(*item, kind);
        if (children && stack.size() < kMaxProjectDepth) {
            const long count = children->Count();
            stack.push_back({std::move(children), 1, count});
        }
    }
}

}  // namespace editor
