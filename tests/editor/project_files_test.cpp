#include "editor/project_files.h"

#include <gtest/gtest.h>

#include "fake_ide.h"

namespace editor {
namespace {

using namespace testing_fakes;

std::shared_ptr<FakeItem> File(const std::string& path) {
    auto item = std::make_shared<FakeItem>();
    item->kind = ide::kItemPhysicalFile;
    item->file = path;
    return item;
}

std::shared_ptr<FakeItem> Folder(const char* kind, std::vector<ide::Ref<ide::ProjectItem>> items) {
    auto children = std::make_shared<FakeItems>();
    children->items = std::move(items);
    auto item = std::make_shared<FakeItem>();
    item->kind = kind;
    item->children = children;
    return item;
}

TEST(CollectProjectFilesTest, WalksFoldersAndSubProjectsDepthFirstInOrder) {
    auto subItems = std::make_shared<FakeItems>();
    subItems->items = {File("s1.cpp")};
    auto sub = std::make_shared<FakeProject>();
    sub->items = subItems;
    auto subItem = std::make_shared<FakeItem>();
    subItem->kind = ide::kItemSubProject;
    subItem->subProject = sub;
    auto noProject = std::make_shared<FakeItem>();
    noProject->kind = ide::kItemSubProject;
    auto unknown = std::make_shared<FakeItem>();
    unknown->kind = "{00000000-0000-0000-0000-000000000000}";
    unknown->file = "ignored.cpp";

    auto root = std::make_shared<FakeItems>();
    root->items = {File("a.cpp"),
                   Folder(ide::kItemPhysicalFolder,
                          {File("b.h"), Folder(ide::kItemVirtualFolder, {File("c.cpp")})}),
                   nullptr,
                   File(""),
                   subItem,
                   noProject,
                   unknown,
                   File("a.cpp")};

    std::vector<std::string> out{"before"};
    CollectProjectFiles(root, out);
    EXPECT_EQ(out,
              (std::vector<std::string>{"before", "a.cpp", "b.h", "c.cpp", "s1.cpp", "a.cpp"}));
}

TEST(CollectProjectFilesTest, StopsAtCyclesInsteadOfRunningForever) {
    auto items = std::make_shared<FakeItems>();
    auto loop = std::make_shared<FakeItem>();
    loop->kind = ide::kItemVirtualFolder;
    loop->children = items;
    items->items = {File("x.cpp"), loop};
    std::vector<std::string> out;
    CollectProjectFiles(items, out);
    EXPECT_EQ(out.size(), kMaxProjectDepth);
    CollectProjectFiles(nullptr, out);
    EXPECT_EQ(out.size(), kMaxProjectDepth);
    // Break the cycle so the fakes are freed.
    loop->children.reset();
}

}  // namespace
}  // namespace editor
