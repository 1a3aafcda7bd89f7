// The file commands' clipboard formats read back as another program would, and the clean-up
// over a directory tree in the prefix.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "commands/files/clean_search.h"
#include "commands/files/clipboard_blocks.h"
#include "win32/win32_platform.h"
#include "win32/win_api.h"

#include <shellapi.h>

namespace win32 {
namespace {

namespace fs = std::filesystem;
using commands::files::CleanList;
using commands::files::ProgressDlg;

std::string ClipboardBytes(UINT format) {
    std::string bytes;
    if (!OpenClipboard(nullptr))
        return bytes;
    if (HANDLE data = GetClipboardData(format)) {
        const char* locked = static_cast<const char*>(GlobalLock(data));
        if (locked)
            bytes.assign(locked, GlobalSize(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return bytes;
}

TEST(Win32Clipboard, PathAsEveryTextFormAndTheFileAsADropList) {
    Win32Platform platform;
    const std::string path = "C:\\build\\a b.cpp";
    ASSERT_TRUE(platform.SetClipboard(commands::files::PathTextBlocks(path, platform)));
    EXPECT_EQ(ClipboardBytes(CF_TEXT).substr(0, path.size() + 1), path + '\0');
    EXPECT_EQ(ClipboardBytes(CF_OEMTEXT).substr(0, path.size() + 1), path + '\0');
    const std::string wide = ClipboardBytes(CF_UNICODETEXT);
    ASSERT_GE(wide.size(), 2 * (path.size() + 1));
    EXPECT_EQ(wide.substr(0, 4), std::string("C\0:\0", 4));
    EXPECT_EQ(wide.substr(2 * path.size(), 2), std::string(2, '\0'));

    ASSERT_TRUE(platform.SetClipboard({commands::files::FileDropBlock(path)}));
    const std::string drop = ClipboardBytes(CF_HDROP);
    ASSERT_GE(drop.size(), path.size() + 22);
    EXPECT_EQ(commands::files::FileDropPaths(drop), std::vector<std::string>{path});
    ASSERT_TRUE(OpenClipboard(nullptr));
    HDROP files = static_cast<HDROP>(GetClipboardData(CF_HDROP));
    char name[MAX_PATH] = {};
    EXPECT_EQ(DragQueryFileA(files, 0xFFFFFFFF, nullptr, 0), 1u);
    DragQueryFileA(files, 0, name, MAX_PATH);
    EXPECT_EQ(std::string(name), path);
    // Text forms are gone: the clipboard was emptied first.
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
    CloseClipboard();

    ASSERT_TRUE(platform.SetClipboard({}));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_HDROP));
}

class Win32Clean : public ::testing::Test {
  protected:
    Win32Clean() {
        fs::remove_all(root);
        for (const char* file :
             {"a.obj", "sub\\b.obj", "sub\\keep.cpp", "x.obj\\in.txt", "ro.obj"}) {
            fs::create_directories((root / file).parent_path());
            std::ofstream(root / file) << "data";
        }
        SetFileAttributesA((root / "ro.obj").string().c_str(), FILE_ATTRIBUTE_READONLY);
    }
    ~Win32Clean() override {
        SetFileAttributesA((root / "ro.obj").string().c_str(), FILE_ATTRIBUTE_NORMAL);
        fs::remove_all(root);
    }
    CleanList Search() {
        ProgressDlg progress(platform);
        return commands::files::SearchForFiles(platform, progress, root.string(), true, "*.obj",
                                               editor::PathStyle::Windows);
    }
    const fs::path root =
        fs::temp_directory_path() / ("zentrel-clean-" + std::to_string(GetCurrentProcessId()));
    Win32Platform platform;
};

TEST_F(Win32Clean, ListsOwnMatchesFirstAndDeletesAllButTheReadOnlyFile) {
    const CleanList list = Search();
    std::vector<std::string> names;
    for (const CleanList::File& file : list.files)
        names.push_back(fs::path(file.path).lexically_relative(root).string());
    EXPECT_EQ(names, (std::vector<std::string>{"a.obj", "ro.obj", "sub\\b.obj"}));
    EXPECT_EQ(list.total, 12u);
    ProgressDlg progress(platform);
    const commands::files::DeleteSummary summary = DeleteFiles(platform, progress, list);
    EXPECT_EQ(summary.deleted, 2u);
    EXPECT_EQ(summary.failed, 1u);  // a read-only file stays
    EXPECT_FALSE(fs::exists(root / "a.obj"));
    EXPECT_TRUE(fs::exists(root / "ro.obj"));
    EXPECT_TRUE(fs::exists(root / "sub\\keep.cpp"));
    EXPECT_TRUE(fs::exists(root / "x.obj\\in.txt"));
}

TEST_F(Win32Clean, WhatChangedAfterListingIsLeftAlone) {
    const CleanList list = Search();
    fs::remove(root / "a.obj");              // gone
    fs::create_directory(root / "a.obj");    // and something else there now
    fs::rename(root / "sub", root / "was");  // a directory replaced by another
    fs::create_directories(root / "sub");
    std::ofstream(root / "sub\\b.obj") << "new";
    ProgressDlg progress(platform);
    const commands::files::DeleteSummary summary = DeleteFiles(platform, progress, list);
    EXPECT_EQ(summary.deleted, 0u);
    EXPECT_EQ(summary.changed, 2u);
    EXPECT_TRUE(fs::exists(root / "sub\\b.obj"));
    EXPECT_TRUE(fs::exists(root / "was\\b.obj"));
}

}  // namespace
}  // namespace win32
