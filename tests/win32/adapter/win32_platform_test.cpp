#include "win32/win32_platform.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <vector>

#include "commands/files/clean_search.h"
#include "commands/files/clipboard_blocks.h"
#include "settings/about_box.h"
#include "sys/popup_menu.h"
#include "win32/popup_menu_win32.h"
#include "win32/win_api.h"

#include <shellapi.h>
#include <winioctl.h>

namespace win32 {
namespace {

namespace fs = std::filesystem;

// A fresh directory under the user's temporary folder, removed with everything in it.
struct TempDir {
    const fs::path path =
        fs::temp_directory_path() / ("zentrel-adapter-" + std::to_string(GetCurrentProcessId()));
    TempDir() {
        fs::remove_all(path);
        fs::create_directory(path);
    }
    ~TempDir() { fs::remove_all(path); }
    std::string operator/(const std::string& name) const { return path.string() + "\\" + name; }
};

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

using commands::files::CleanList;

class Win32PlatformTest : public ::testing::Test {
  protected:
    CleanList Search(const fs::path& dir) {
        commands::files::ProgressDlg progress(platform);
        return commands::files::SearchForFiles(platform, progress, dir.string(), true, "*.obj",
                                               editor::PathStyle::Windows);
    }
    commands::files::DeleteSummary Delete(const CleanList& list) {
        commands::files::ProgressDlg progress(platform);
        return DeleteFiles(platform, progress, list);
    }

    TempDir temp;
    Win32Platform platform;
};

// The clean-up over a directory tree, a read-only match among them.
class Win32Clean : public Win32PlatformTest {
  protected:
    Win32Clean() {
        for (const char* file :
             {"a.obj", "sub\\b.obj", "sub\\keep.cpp", "x.obj\\in.txt", "ro.obj"}) {
            fs::create_directories(fs::path(temp / file).parent_path());
            WriteBytes(temp / file, "data");
        }
        SetFileAttributesA((temp / "ro.obj").c_str(), FILE_ATTRIBUTE_READONLY);
    }
    ~Win32Clean() override { SetFileAttributesA((temp / "ro.obj").c_str(), FILE_ATTRIBUTE_NORMAL); }
};

TEST_F(Win32PlatformTest, FindsTheObjectAtExactlyThePath) {
    WriteBytes(temp / "a.cpp", "12345");
    ASSERT_TRUE(SetFileAttributesA((temp / "a.cpp").c_str(), FILE_ATTRIBUTE_READONLY));
    auto file = platform.FindFirstFile(temp / "a.cpp");
    ASSERT_TRUE(file);
    EXPECT_EQ(file->name, "a.cpp");
    EXPECT_FALSE(file->directory);
    EXPECT_TRUE(file->readOnly);
    EXPECT_EQ(file->size, 5u);
    SetFileAttributesA((temp / "a.cpp").c_str(), FILE_ATTRIBUTE_NORMAL);

    CreateDirectoryA((temp / "sub").c_str(), nullptr);
    auto directory = platform.FindFirstFile(temp / "sub");
    ASSERT_TRUE(directory);
    EXPECT_EQ(directory->name, "sub");
    EXPECT_TRUE(directory->directory);
    EXPECT_FALSE(platform.FindFirstFile(temp / "missing.h"));
}

TEST_F(Win32PlatformTest, ReadsRawBytesEvenWhileAnotherHandleWrites) {
    const std::string bytes("line\r\n\0tail\n", 12);
    WriteBytes(temp / "raw.txt", bytes);
    HANDLE writer =
        CreateFileA((temp / "raw.txt").c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    EXPECT_EQ(platform.ReadFile(temp / "raw.txt"), bytes);
    CloseHandle(writer);
    const std::string big(200000, 'x');
    WriteBytes(temp / "big.txt", big);
    EXPECT_EQ(platform.ReadFile(temp / "big.txt"), big);
    EXPECT_EQ(platform.ReadFile(temp / "absent.txt"), std::nullopt);
    EXPECT_EQ(platform.ReadFile(temp.path.string()), std::nullopt);
}

TEST_F(Win32PlatformTest, CopiesWithoutEverReplacingAndCreatesParentDirectories) {
    WriteBytes(temp / "from.txt", "new");
    WriteBytes(temp / "kept.txt", "old");
    EXPECT_TRUE(platform.CopyFileNoOverwrite(temp / "from.txt", temp / "to.txt"));
    EXPECT_EQ(platform.ReadFile(temp / "to.txt"), "new");
    EXPECT_FALSE(platform.CopyFileNoOverwrite(temp / "from.txt", temp / "kept.txt"));
    EXPECT_EQ(platform.ReadFile(temp / "kept.txt"), "old");

    EXPECT_TRUE(platform.CreateDirectories(temp / "a\\b\\c\\"));
    EXPECT_TRUE(platform.FindFirstFile(temp / "a\\b\\c")->directory);
    EXPECT_TRUE(platform.CreateDirectories(temp / "a/d"));
    EXPECT_TRUE(platform.CreateDirectories(temp.path.string()));
    EXPECT_FALSE(platform.CreateDirectories(temp / "kept.txt\\below"));
}

TEST_F(Win32PlatformTest, ReadsEnvironmentAndKnowsItsModuleAndTheUsersDataFolder) {
    const std::string longValue(300, 'v');
    SetEnvironmentVariableA("ZENTREL_ADAPTER_LONG", longValue.c_str());
    EXPECT_EQ(platform.GetEnvironmentVariable("ZENTREL_ADAPTER_LONG"), longValue);
    EXPECT_EQ(platform.GetEnvironmentVariable("ZENTREL_ADAPTER_ABSENT"), std::nullopt);
    auto module = platform.ModuleFileName();
    ASSERT_TRUE(module);
    EXPECT_TRUE(platform.FindFirstFile(*module));
    auto data = platform.ApplicationDataFolder();
    ASSERT_TRUE(data);
    EXPECT_TRUE(platform.FindFirstFile(*data)->directory);
}

TEST_F(Win32PlatformTest, VersionComesFromTheModulesFixedFileVersion) {
    const sys::ModuleVersion version = platform.ModuleVersionResource();
    EXPECT_TRUE(version.hasResource);
    EXPECT_TRUE(version.readable);
    EXPECT_EQ(std::tie(version.major, version.minor), std::make_tuple(0u, 9u));
    EXPECT_EQ(settings::GetVersionText(platform), "0.9 (BETA)");
}

// The shell's answers Help turns into its messages.
TEST_F(Win32PlatformTest, ShellOpenAnswersWhatWasMissing) {
    WriteBytes(temp / "help.zentrel-no-program", "x");
    EXPECT_EQ(platform.ShellOpen(temp / "absent-ReadMe.html"), SE_ERR_FNF);
    EXPECT_EQ(platform.ShellOpen(temp / "help.zentrel-no-program"), SE_ERR_NOASSOC);
}

// What the file commands put there the golden cases read back; here only a clipboard emptied.
TEST(Win32Clipboard, NoBlocksLeaveItEmpty) {
    Win32Platform platform;
    ASSERT_TRUE(platform.SetClipboard(commands::files::PathTextBlocks("C:\\a.cpp", platform)));
    ASSERT_TRUE(platform.SetClipboard({}));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
}

TEST_F(Win32Clean, ListsOwnMatchesFirstAndDeletesAllButTheReadOnlyFile) {
    const CleanList list = Search(temp.path);
    std::vector<std::string> names;
    for (const CleanList::File& file : list.files)
        names.push_back(fs::path(file.path).lexically_relative(temp.path).string());
    EXPECT_EQ(names, (std::vector<std::string>{"a.obj", "ro.obj", "sub\\b.obj"}));
    EXPECT_EQ(list.total, 12u);
    const commands::files::DeleteSummary summary = Delete(list);
    EXPECT_EQ(summary.deleted, 2u);
    EXPECT_EQ(summary.failed, 1u);  // a read-only file stays
    EXPECT_FALSE(fs::exists(temp.path / "a.obj"));
    EXPECT_TRUE(fs::exists(temp.path / "ro.obj"));
    EXPECT_TRUE(fs::exists(temp.path / "sub\\keep.cpp"));
    EXPECT_TRUE(fs::exists(temp.path / "x.obj\\in.txt"));
}

TEST_F(Win32Clean, WhatChangedAfterListingIsLeftAlone) {
    const CleanList list = Search(temp.path);
    fs::remove(temp.path / "a.obj");                   // gone
    fs::create_directory(temp.path / "a.obj");         // and something else there now
    fs::rename(temp.path / "sub", temp.path / "was");  // a directory replaced by another
    fs::create_directories(temp.path / "sub");
    std::ofstream(temp.path / "sub\\b.obj") << "new";
    const commands::files::DeleteSummary summary = Delete(list);
    EXPECT_EQ(summary.deleted, 0u);
    EXPECT_EQ(summary.changed, 2u);
    EXPECT_TRUE(fs::exists(temp.path / "sub\\b.obj"));
    EXPECT_TRUE(fs::exists(temp.path / "was\\b.obj"));
}

// A mount point's reparse data: the target as the system reads it, then as shown.
bool MakeJunction(const fs::path& link, const fs::path& target) {
    if (!CreateDirectoryW(link.c_str(), nullptr))
        return false;
    const std::wstring substitute = L"\\??\\" + target.wstring(), shown = target.wstring();
    const std::size_t names = (substitute.size() + 1 + shown.size() + 1) * sizeof(wchar_t);
    std::vector<BYTE> data(16 + names);
    auto put16 = [&](std::size_t at, std::size_t value) {
        data[at] = static_cast<BYTE>(value);
        data[at + 1] = static_cast<BYTE>(value >> 8);
    };
    const DWORD tag = IO_REPARSE_TAG_MOUNT_POINT;
    std::memcpy(data.data(), &tag, sizeof tag);
    put16(4, 8 + names);                                   // data length
    put16(10, substitute.size() * sizeof(wchar_t));        // substitute name length
    put16(12, (substitute.size() + 1) * sizeof(wchar_t));  // print name offset
    put16(14, shown.size() * sizeof(wchar_t));             // print name length
    std::memcpy(&data[16], substitute.c_str(), (substitute.size() + 1) * sizeof(wchar_t));
    std::memcpy(&data[16 + (substitute.size() + 1) * sizeof(wchar_t)], shown.c_str(),
                (shown.size() + 1) * sizeof(wchar_t));
    HANDLE handle = CreateFileW(link.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    DWORD returned = 0;
    const bool made =
        handle != INVALID_HANDLE_VALUE &&
        DeviceIoControl(handle, FSCTL_SET_REPARSE_POINT, data.data(),
                        static_cast<DWORD>(data.size()), nullptr, 0, &returned, nullptr);
    if (handle != INVALID_HANDLE_VALUE)
        CloseHandle(handle);
    if (!made)
        RemoveDirectoryW(link.c_str());
    return made;
}

bool MakeDirectoryLink(const fs::path& link, const fs::path& target) {
    return CreateSymbolicLinkW(link.c_str(), target.c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY) != 0;
}

// A tree holding a junction and a directory link to a sentinel outside it, with files of the
// same names: neither link is entered, the sentinel keeps every file.
TEST_F(Win32PlatformTest, CleanEntersNeitherJunctionsNorDirectoryLinks) {
    const fs::path root = temp.path;
    const struct {
        const char* name;
        bool (*make)(const fs::path& link, const fs::path& target);
    } cases[] = {{"junction", MakeJunction}, {"directory symbolic link", MakeDirectoryLink}};
    int tried = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const char* file : {"tree\\a.obj", "outside\\a.obj", "outside\\in\\b.obj"}) {
            fs::create_directories((root / file).parent_path());
            std::ofstream(root / file) << file;
        }
        if (!c.make(root / "tree" / "in", root / "outside")) {
            std::cout << "skipped: Wine here cannot make a " << c.name << " (error "
                      << GetLastError() << ")\n";
            continue;
        }
        ++tried;
        ASSERT_TRUE(GetFileAttributesW((root / "tree" / "in").c_str()) &
                    FILE_ATTRIBUTE_REPARSE_POINT);
        const CleanList list = Search(root / "tree");
        ASSERT_EQ(list.files.size(), 1u) << list.files.back().path;
        EXPECT_EQ(Delete(list).deleted, 1u);
        for (const char* file : {"outside\\a.obj", "outside\\in\\b.obj"}) {
            std::ifstream in(root / file);
            EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), file);
        }
        RemoveDirectoryW((root / "tree" / "in").c_str());  // the link, not its target
    }
    if (tried == 0)
        GTEST_SKIP() << "Wine here makes neither junctions nor directory links";
}

TEST(PopupMenuWin32Test, BuildsItemsStatesSubmenusAndTheDefault) {
    ui::PopupMenu menu({ui::MenuItem::Command(32771, "&Friend File"), ui::MenuItem::Separator(),
                        ui::MenuItem::Command(32772, "Copy"),
                        ui::MenuItem::Popup("Templates", {ui::MenuItem::Command(40001, "for")})});
    menu.EnableItem(32772, false);
    menu.SetDefaultItem(0);
    menu.Items().emplace_back(ui::MenuItem::Command(0, "Title")).enabled = false;

    HMENU popup = BuildPopupMenu(menu);
    ASSERT_TRUE(popup);
    EXPECT_EQ(GetMenuItemCount(popup), 5);
    EXPECT_EQ(GetMenuState(popup, 4, MF_BYPOSITION) & (MF_DISABLED | MF_GRAYED), MF_DISABLED);
    EXPECT_TRUE(GetMenuState(popup, 1, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_TRUE(GetMenuState(popup, 32772, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(GetMenuDefaultItem(popup, FALSE, 0), 32771u);
    EXPECT_EQ(GetMenuItemID(GetSubMenu(popup, 3), 0), 40001u);
    char text[32] = {};
    GetMenuStringA(popup, 0, text, sizeof(text), MF_BYPOSITION);
    EXPECT_STREQ(text, "&Friend File");
    DestroyMenu(popup);
}

}  // namespace
}  // namespace win32
