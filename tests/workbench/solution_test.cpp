#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "workbench/solution_directory.h"
#include "workbench/workbench.h"

namespace {

namespace fs = std::filesystem;

// One line per item, depth-first: indentation, kind and file name.
void Describe(const ide::Ref<ide::ProjectItems>& items, const std::string& indent,
              std::vector<std::string>& out) {
    for (long i = 1; i <= items->Count(); ++i) {
        ide::Ref<ide::ProjectItem> item = items->Item(i);
        const bool folder = item->Kind() == ide::kItemPhysicalFolder;
        out.push_back(indent + (folder ? "folder " : "file ") + item->FileNames(0));
        if (item->GetProjectItems())
            Describe(item->GetProjectItems(), indent + "  ", out);
    }
}

TEST(SolutionTest, DirectoryWalk) {
    testing_support::TempDir dir;
    dir.Write("tree/b.cpp", "");
    dir.Write("tree/A.h", "");
    dir.Write("tree/sub/x.cpp", "");
    dir.Write("tree/sub/deeper/y.h", "");
    dir.Write("tree/.hidden", "");
    dir.Write("tree/.git/config", "");
    dir.Write("outside/z.cpp", "");
    fs::create_directory_symlink(dir.Path() / "outside", dir.Path() / "tree" / "linked");
    fs::create_directory_symlink(dir.Path() / "tree", dir.Path() / "tree" / "sub" / "loop");
    fs::create_symlink(dir.Path() / "outside" / "z.cpp", dir.Path() / "tree" / "z.cpp");

    workbench::Workbench bench;
    std::string error;
    ASSERT_TRUE(bench.LoadSolutionDirectory((dir.Path() / "tree" / "sub" / "..").string(), error))
        << error;
    ide::Ref<ide::Solution> solution = bench.GetSolution();
    std::string root = (dir.Path() / "tree").string();
    EXPECT_EQ(solution->FullName(), root + "/tree.sln");
    ASSERT_EQ(solution->GetProjects()->Count(), 1);
    ide::Ref<ide::Project> project = solution->GetProjects()->Item(1);
    EXPECT_EQ(project->FullName(), root);

    std::vector<std::string> items;
    Describe(project->GetProjectItems(), "", items);
    EXPECT_EQ(items, (std::vector<std::string>{
                         "file " + root + "/A.h",
                         "file " + root + "/b.cpp",
                         "folder " + root + "/sub",
                         "  folder " + root + "/sub/deeper",
                         "    file " + root + "/sub/deeper/y.h",
                         "  file " + root + "/sub/x.cpp",
                         "file " + root + "/z.cpp",
                     }));
}

TEST(SolutionTest, DirectoryWalkStopsAtItsDepthBound) {
    testing_support::TempDir dir;
    fs::path deepest = dir.Path();
    for (int i = 0; i <= workbench::kMaxSolutionDepth; ++i)
        deepest /= "d";
    dir.Write((deepest / "f.cpp").lexically_relative(dir.Path()).string(), "");

    std::string error;
    auto solution = workbench::LoadSolutionDirectory(dir.Path().string(), error);
    ASSERT_TRUE(solution) << error;
    ide::Ref<ide::ProjectItems> items = solution->GetProjects()->Item(1)->GetProjectItems();
    int depth = 0;
    while (items->Count() == 1) {
        items = items->Item(1)->GetProjectItems();
        ++depth;
    }
    EXPECT_EQ(depth, workbench::kMaxSolutionDepth);
    EXPECT_EQ(items->Count(), 0);
}

TEST(SolutionTest, RefusesWhatIsNoDirectory) {
    testing_support::TempDir dir;
    dir.Write("file.cpp", "");
    workbench::Workbench bench;
    std::string error;
    EXPECT_FALSE(bench.LoadSolutionDirectory((dir.Path() / "file.cpp").string(), error));
    EXPECT_FALSE(bench.LoadSolutionDirectory((dir.Path() / "missing").string(), error));
    EXPECT_NE(error.find("missing"), std::string::npos);
    EXPECT_FALSE(bench.GetSolution());
}

}  // namespace
