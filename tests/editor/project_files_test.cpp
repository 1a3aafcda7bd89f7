#include "editor/project_files.h"

#include <gtest/gtest.h>

#include "fake_ide.h"

namespace editor {
namespace {

using namespace testing_fakes;

std::shared_ptr<FakeItems> Items(std::vector<ide::Ref<ide::ProjectItem>> items) {
    auto out = std::make_shared<FakeItems>();
    out->items = std::move(items);
    return out;
}

std::shared_ptr<FakeItem> Item(std::string kind, std::string file = "",
                               ide::Ref<ide::ProjectItems> children = nullptr) {
    auto item = std::make_shared<FakeItem>();
    item->kind = std::move(kind);
    item->file = std::move(file);
    item->children = std::move(children);
    return item;
}

std::shared_ptr<FakeItem> File(const std::string& path) {
    return Item(ide::kItemPhysicalFile, path);
}

TEST(CollectProjectFilesTest, WalksFoldersAndSubProjectsDepthFirstInOrder) {
    auto sub = std::make_shared<FakeProject>();
    sub->items = Items({File("s1.cpp")});
    auto subItem = Item(ide::kItemSubProject);
    subItem->subProject = sub;
    const auto folders =
        Item(ide::kItemPhysicalFolder, "",
             Items({File("b.h"), Item(ide::kItemVirtualFolder, "", Items({File("c.cpp")}))}));
    // Empty names, missing sub-projects and unknown kinds give nothing; repeats stay.
    const auto root =
        Items({File("a.cpp"), folders, nullptr, File(""), subItem, Item(ide::kItemSubProject),
               Item("{00000000-0000-0000-0000-000000000000}", "ignored.cpp"), File("a.cpp")});

    std::vector<std::string> out{"before"};
    CollectProjectFiles(root, out);
    EXPECT_EQ(out,
              (std::vector<std::string>{"before", "a.cpp", "b.h", "c.cpp", "s1.cpp", "a.cpp"}));
}

TEST(CollectProjectFilesTest, StopsAtCyclesInsteadOfRunningForever) {
    auto items = Items({File("x.cpp")});
    auto loop = Item(ide::kItemVirtualFolder, "", items);
    items->items.push_back(loop);
    std::vector<std::string> out;
    CollectProjectFiles(items, out);
    EXPECT_EQ(out.size(), kMaxProjectDepth);
    CollectProjectFiles(nullptr, out);
    EXPECT_EQ(out.size(), kMaxProjectDepth);
    loop->children.reset();  // break the cycle so the fakes are freed
}

}  // namespace
}  // namespace editor
