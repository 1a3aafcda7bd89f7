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
    return std::make_shared<FakeItem>(std::move(kind), std::move(file), std::move(children));
}

TEST(CollectProjectFilesTest, WalksFoldersAndSubProjectsDepthFirstInOrder) {
    const std::string file = ide::kItemPhysicalFile;
    auto sub = std::make_shared<FakeProject>();
    sub->items = Items({Item(file, "s1.cpp")});
    auto subItem = Item(ide::kItemSubProject);
    subItem->subProject = sub;
    const auto folders = Item(ide::kItemPhysicalFolder, "",
                              Items({Item(file, "b.h"), Item(ide::kItemVirtualFolder, "",
                                                             Items({Item(file, "c.cpp")}))}));
    // Empty names, missing sub-projects and unknown kinds give nothing; repeats stay.
    const auto root = Items(
        {Item(file, "a.cpp"), folders, nullptr, Item(file), subItem, Item(ide::kItemSubProject),
         Item("{00000000-0000-0000-0000-000000000000}", "ignored.cpp"), Item(file, "a.cpp")});

    std::vector<std::string> out{"before"};
    CollectProjectFiles(root, out);
    EXPECT_EQ(out,
              (std::vector<std::string>{"before", "a.cpp", "b.h", "c.cpp", "s1.cpp", "a.cpp"}));
}

TEST(CollectProjectFilesTest, StopsAtCyclesInsteadOfRunningForever) {
    auto items = Items({Item(ide::kItemPhysicalFile, "x.cpp")});
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
