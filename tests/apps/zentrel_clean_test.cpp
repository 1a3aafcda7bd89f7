// `zentrel clean`: the list on standard output, deletion only when confirmed, and nothing
// reached through a link.
#include <gtest/gtest.h>

#include <filesystem>

#include "zentrel_process.h"

namespace {

namespace fs = std::filesystem;

class ZentrelClean : public apps_testing::ZentrelTest {
  protected:
    void SetUp() override {
        for (const char* file : {"b/a.obj", "b/s/c.pdb", "b/keep.cpp", "out/o.obj"})
            dir.Write(file, "1234");
        fs::create_directory_symlink(dir.Path() / "out", dir.Path() / "b" / "link");
    }
    bool Exists(const char* file) const { return fs::exists(dir.Path() / file); }
};

TEST_F(ZentrelClean, ListsThenDeletesOnlyWhenConfirmed) {
    const struct {
        std::vector<std::string> args;
        int status;
        bool deleted;  // the run deletes; it comes last
        const char* list;
    } cases[] = {
        {{"clean", "b"}, 0, false, "b/a.obj\nb/s/c.pdb\n\nTotal: 2 files, 8B\n"},
        {{"clean", "b", "--no-recursive", "--types", "*.cpp;*.obj"},
         0,
         false,
         "b/keep.cpp\nb/a.obj\n\nTotal: 2 files, 8B\n"},
        {{"clean", "missing", "--yes"}, 2, false, ""},
        {{"clean", "b", "--yes"}, 0, true, "b/a.obj\nb/s/c.pdb\n\nTotal: 2 files, 8B\n"},
    };
    for (const auto& c : cases) {
        const apps_testing::Result result = Run(c.args);
        EXPECT_EQ(result.status, c.status) << c.args[1] << result.err;
        EXPECT_EQ(result.out,
                  c.status == 0 ? "Files that will be DELETED:\n\n" + std::string(c.list) : "")
            << c.args.size();
        EXPECT_EQ(Exists("b/a.obj") && Exists("b/s/c.pdb"), !c.deleted);
        EXPECT_TRUE(Exists("b/keep.cpp") && Exists("out/o.obj"));
    }
}

}  // namespace
