// The clean-up over a tree holding a junction and a directory link to a sentinel outside it,
// with files of the same names: neither link is entered, the sentinel keeps every file.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <vector>

#include "commands/files/clean_search.h"
#include "win32/win32_platform.h"
#include "win32/win_api.h"

#include <winioctl.h>

namespace win32 {
namespace {

namespace fs = std::filesystem;

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

TEST(Win32CleanLinks, JunctionsAndDirectoryLinksAreNotEntered) {
    const fs::path root =
        fs::temp_directory_path() / ("zentrel-junction-" + std::to_string(GetCurrentProcessId()));
    const struct {
        const char* name;
        bool (*make)(const fs::path& link, const fs::path& target);
    } cases[] = {{"junction", MakeJunction}, {"directory symbolic link", MakeDirectoryLink}};
    int tried = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(root);
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
        Win32Platform platform;
        commands::files::ProgressDlg progress(platform);
        const commands::files::CleanList list =
            commands::files::SearchForFiles(platform, progress, (root / "tree").string(), true,
                                            "*.obj", editor::PathStyle::Windows);
        ASSERT_EQ(list.files.size(), 1u) << list.files.back().path;
        EXPECT_EQ(commands::files::DeleteFiles(platform, progress, list).deleted, 1u);
        for (const char* file : {"outside\\a.obj", "outside\\in\\b.obj"}) {
            std::ifstream in(root / file);
            EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), file);
        }
        RemoveDirectoryW((root / "tree" / "in").c_str());  // the link, not its target
    }
    fs::remove_all(root);
    if (tried == 0)
        GTEST_SKIP() << "Wine here makes neither junctions nor directory links";
}

}  // namespace
}  // namespace win32
