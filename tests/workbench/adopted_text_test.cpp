// Texts one workbench read, opened by another without reading the file again: only while the
// file is as it was when read.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

#include "support/temp_dir.h"
#include "workbench/workbench.h"

namespace {

namespace fs = std::filesystem;

TEST(AdoptedTexts, AreTakenWhileTheFileIsUnchangedAndReadAgainOtherwise) {
    enum class Change { kNone, kSameSizeAndTime, kLonger, kNewer, kRemoved };
    const struct {
        const char* name;
        Change change;
        std::optional<std::string> opened;  // none: the file cannot be opened
    } cases[] = {
        {"same.cpp", Change::kNone, "int a;\r\n"},
        // The stamp is all that is compared, so the text read first shows it was not read again.
        {"stamp.cpp", Change::kSameSizeAndTime, "int a;\r\n"},
        {"longer.cpp", Change::kLonger, "int ab;\r\n"},
        {"newer.cpp", Change::kNewer, "int b;\r\n"},
        {"removed.cpp", Change::kRemoved, std::nullopt},
    };
    testing_support::TempDir dir;
    workbench::Workbench scratch;
    for (const auto& c : cases) {
        std::string error;
        ASSERT_TRUE(scratch.OpenFile(dir.Write(c.name, "int a;\r\n").string(), error)) << error;
    }
    workbench::Workbench bench;
    bench.AdoptTexts(scratch);
    for (const auto& c : cases) {
        const fs::path path = dir.Path() / c.name;
        const fs::file_time_type time = fs::last_write_time(path);
        switch (c.change) {
            case Change::kNone:
                break;
            case Change::kSameSizeAndTime:
                dir.Write(c.name, "int b;\r\n");
                fs::last_write_time(path, time);
                break;
            case Change::kLonger:
                dir.Write(c.name, "int ab;\r\n");
                fs::last_write_time(path, time);
                break;
            case Change::kNewer:
                dir.Write(c.name, "int b;\r\n");
                fs::last_write_time(path, time + std::chrono::seconds(2));
                break;
            case Change::kRemoved:
                fs::remove(path);
                break;
        }
        std::string error;
        const ide::Ref<ide::Document> document = bench.OpenFile(path.string(), error);
        ASSERT_EQ(document != nullptr, c.opened.has_value()) << c.name << ": " << error;
        if (document) {
            EXPECT_EQ(bench.DocumentText(document), c.opened) << c.name;
            EXPECT_EQ(bench.SelectionOffsets(document)->caret, 0U) << c.name;
        }
    }
}

}  // namespace
