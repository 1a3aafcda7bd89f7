#include "workbench/workbench.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "bench_fixture.h"

namespace {

using WorkbenchTest = workbench_testing::BenchTest;

TEST_F(WorkbenchTest, SavesExactBytes) {
    const std::string original = "one\r\ntwo\nthree\rfour";
    ide::Ref<ide::Document> document = Open("mixed.cpp", original);
    EXPECT_TRUE(document->Saved());
    SelectionOf(*document).EndOfDocument(false);
    SelectionOf(*document).Insert("\n5", ide::kInsertKeepEnd);
    EXPECT_FALSE(document->Saved());
    EXPECT_EQ(dir_.Read("mixed.cpp"), original);

    EXPECT_EQ(document->Save(document->FullName()), ide::kSaveSucceeded);
    EXPECT_TRUE(document->Saved());
    EXPECT_EQ(dir_.Read("mixed.cpp"), original + "\r\n5");

    SelectionOf(*document).Insert("!", ide::kInsertKeepEnd);
    EXPECT_EQ(document->Save((dir_.Path() / "no" / "dir.cpp").string()), 0);
    EXPECT_EQ(document->Save((dir_.Path() / "copy.cpp").string()), ide::kSaveSucceeded);
    EXPECT_EQ(dir_.Read("copy.cpp"), original + "\r\n5!");
    EXPECT_FALSE(document->Saved());  // its own file is still behind
}

TEST_F(WorkbenchTest, WriteBackWritesModifiedDocumentsAndReportsFailures) {
    ide::Ref<ide::Document> gone = Open("gone/a.cpp", "a\n");
    ide::Ref<ide::Document> edited = Open("edited.cpp", "b\n");
    Open("untouched.cpp", "c\n");
    SelectionOf(*gone).Insert("x", ide::kInsertKeepEnd);
    SelectionOf(*edited).Insert("y", ide::kInsertKeepEnd);
    dir_.Write("untouched.cpp", "changed outside\n");
    std::filesystem::remove_all(dir_.Path() / "gone");
    auto modified = [&] {
        std::vector<bool> flags;
        for (const auto& state : bench_.DocumentStates())
            flags.push_back(state.modified);
        return flags;
    };
    EXPECT_EQ(modified(), (std::vector<bool>{true, true, false}));

    std::string error;
    EXPECT_FALSE(bench_.WriteBack(error));
    EXPECT_EQ(error.rfind("cannot write " + gone->FullName() + ": ", 0), 0u) << error;
    EXPECT_EQ(dir_.Read("edited.cpp"), "yb\n");
    EXPECT_EQ(dir_.Read("untouched.cpp"), "changed outside\n");
    EXPECT_EQ(modified(), (std::vector<bool>{true, false, false}));
}

// Where a position lands, and which ones are refused, the golden cases show on both hosts.
TEST_F(WorkbenchTest, ARefusedPositionKeepsTheSelection) {
    ide::Ref<ide::Document> document = Open("a.cpp", "ab\r\ncde\n");
    std::string error;
    ASSERT_TRUE(bench_.SetSelection(document, 2, 4, 2, 4, error)) << error;
    EXPECT_FALSE(bench_.SetSelection(document, 1, 1, 4, 1, error));
    EXPECT_EQ(bench_.ActiveCaret()->anchorLine, 2);
}

// An IDE without a debugger is a row of the Add Breakpoints test.
TEST_F(WorkbenchTest, Breakpoints) {
    ide::Ref<ide::Breakpoints> breakpoints = bench_.GetDebugger()->GetBreakpoints();
    ide::BreakpointRequest request;
    request.file = (dir_.Path() / "sub" / ".." / "a.cpp").string();
    request.line = 3;
    ide::Ref<ide::BreakpointList> made = breakpoints->Add(request);
    ASSERT_TRUE(made && made->Count() == 1);
    request.line = 9;
    breakpoints->Add(request)->Item(1)->SetEnabled(true);

    request.file.clear();
    EXPECT_FALSE(breakpoints->Add(request));

    auto list = bench_.BreakpointList();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].path, (dir_.Path() / "a.cpp").string());
    EXPECT_FALSE(list[0].enabled);
    EXPECT_TRUE(list[1].enabled);
}

}  // namespace
