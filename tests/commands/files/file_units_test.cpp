// The file commands' and the clean-up's small rules: sizes, patterns, clipboard blocks, the
// folder to open and the report's layout.
#include <gtest/gtest.h>

#include "commands/files/clipboard_blocks.h"
#include "commands/files/file_commands.h"
#include "commands/files/file_types.h"
#include "commands/files/format_size.h"
#include "commands/files/report_dialog.h"
#include "support/quiet_terminal.h"

namespace commands::files {
namespace {

using Strings = std::vector<std::string>;

TEST(FormatSize, WholeUnitsRoundedDown) {
    const struct {
        std::uint64_t bytes;
        const char* text;
    } cases[] = {
        {0, "0B"},           {1023, "1023B"},     {1024, "1kB"},    {1536, "1kB"},
        {1048575, "1023kB"}, {1048576, "1MB"},    {5000000, "4MB"}, {1073741823, "1023MB"},
        {1073741824, "1GB"}, {4294967296, "4GB"},  // past 32 bits
        {6442450944, "6GB"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatSize(c.bytes), c.text) << c.bytes;
}

TEST(FileTypes, FieldsTrimmedEmptyOnesDropped) {
    const struct {
        const char* types;
        Strings fields;
    } cases[] = {
        {kDefaultFileTypes,
         {"*.bsc", "*.exp", "*.idb", "*.ilk", "*.ncb", "*.obj", "*.pch", "*.pdb", "*.res", "*.sbr",
          "BuildLog.htm"}},
        {" *.a ;\t;; b c ;", {"*.a", "b c"}},
        {"", {}},
        {" ; ", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitFileTypes(c.types), c.fields) << c.types;
}

struct CodePages : testing_support::QuietTerminal {
    bool unicode = true;
    std::string AnsiToOem(const std::string& text) override { return "oem:" + text; }
    bool OffersUnicodeClipboard() override { return unicode; }
};

TEST(ClipboardBlocks, PathAsAnsiOemAndUnicodeText) {
    CodePages platform;
    using enum sys::ClipboardFormat;
    const std::vector<sys::ClipboardBlock> blocks = PathTextBlocks("C:\\a\xc3\xa9", platform);
    ASSERT_EQ(blocks.size(), 3u);
    EXPECT_EQ(blocks[0].format, kText);
    EXPECT_EQ(blocks[0].bytes, std::string("C:\\a\xc3\xa9\0", 7));
    EXPECT_EQ(blocks[1].format, kOemText);
    EXPECT_EQ(blocks[1].bytes, std::string("oem:C:\\a\xc3\xa9\0", 11));
    EXPECT_EQ(blocks[2].format, kUnicodeText);
    EXPECT_EQ(blocks[2].bytes, std::string("C\0:\0\\\0a\0\xe9\0\0\0", 12));  // 2 x (5 + 1)

    platform.unicode = false;
    EXPECT_EQ(PathTextBlocks("x", platform).size(), 2u);
    EXPECT_TRUE(PathTextBlocks("", platform).empty());
}

TEST(ClipboardBlocks, FileDropListOfOnePath) {
    const std::string path = "C:\\dir\\x.cpp";
    const sys::ClipboardBlock block = FileDropBlock(path);
    EXPECT_EQ(block.format, sys::ClipboardFormat::kFileDrop);
    ASSERT_EQ(block.bytes.size(), path.size() + 22);
    EXPECT_EQ(block.bytes.substr(0, 20), std::string("\x14\0\0\0", 4) + std::string(16, '\0'));
    EXPECT_EQ(block.bytes.substr(20), path + std::string(2, '\0'));
    EXPECT_EQ(FileDropPaths(block.bytes), Strings{path});

    std::string wide = block.bytes;
    wide[16] = 1;
    EXPECT_TRUE(FileDropPaths(wide).empty());
    EXPECT_TRUE(FileDropPaths(block.bytes.substr(0, 25)).empty());  // no end
    EXPECT_TRUE(FileDropPaths("short").empty());
}

TEST(OpenFolder, DirectoryWithoutTrailingSeparators) {
    using enum editor::PathStyle;
    const struct {
        const char* path;
        editor::PathStyle style;
        const char* folder;
    } cases[] = {
        {"C:\\src\\a.cpp", Windows, "C:\\src"},
        {"C:\\a.cpp", Windows, "C:"},
        {"\\\\host\\share\\\\a.cpp", Windows, "\\\\host\\share"},
        {"a.cpp", Windows, ""},
        {"/home/u/a.cpp", Posix, "/home/u"},
        {"/a.cpp", Posix, "/"},
        {"a.cpp", Posix, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FolderToOpen(c.path, c.style), c.folder) << c.path;
}

TEST(ReportDialog, ResizeKeepsMarginsAndButtonSizes) {
    const ReportDlg::Layout current{{4, 4, 588, 390}, {488, 396, 588, 424}, {4, 396, 104, 424}};
    const ReportDlg::Layout next = ReportDlg::Resize(800, 600, current);
    EXPECT_EQ(next.ok, (settings::Rect{696, 568, 796, 596}));
    EXPECT_EQ(next.text, (settings::Rect{4, 4, 796, 564}));
    EXPECT_EQ(next.cancel, (settings::Rect{4, 568, 104, 596}));
}

}  // namespace
}  // namespace commands::files
