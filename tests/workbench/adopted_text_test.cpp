// Texts one workbench read, opened by another without reading the file again: only while the
// file is as it was when read.
#include <gtest/gtest.h>

#include <chrono>

#include "support/temp_dir.h"
#include "workbench/workbench.h"

TEST(AdoptedTexts, AreTakenWhileTheFileIsUnchangedAndReadAgainOtherwise) {
    namespace fs = std::filesystem;
    const struct {
        const char* name;
        const char* rewritten;  // over the file after it was read, keeping its time
        int later;              // seconds the file's time moves on, or -1 to remove the file
        std::optional<std::string> opened;
    } cases[] = {
        // Only the stamp is compared: the first text shows the file was not read again.
        {"stamp.cpp", "int b;\n", 0, "int a;\n"},
        {"longer.cpp", "int ab;\n", 0, "int ab;\n"},
        {"newer.cpp", "int b;\n", 2, "int b;\n"},
        {"removed.cpp", nullptr, -1, std::nullopt},
    };
    testing_support::TempDir dir;
    workbench::Workbench scratch, bench;
    std::string error;
    for (const auto& c : cases)
        ASSERT_TRUE(scratch.OpenFile(dir.Write(c.name, "int a;\n").string(), error)) << error;
    bench.AdoptTexts(scratch);
    for (const auto& c : cases) {
        const fs::path path = dir.Path() / c.name;
        const fs::file_time_type time = fs::last_write_time(path);
        if (c.rewritten != nullptr)
            dir.Write(c.name, c.rewritten);
        if (c.later < 0)
            fs::remove(path);
        else
            fs::last_write_time(path, time + std::chrono::seconds(c.later));
        const ide::Ref<ide::Document> document = bench.OpenFile(path.string(), error);
        EXPECT_EQ(document ? bench.DocumentText(document) : std::nullopt, c.opened) << c.name;
    }
}
