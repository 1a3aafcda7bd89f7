// Attributes, the shell and the clean-up's directory walk over Win32. The walk holds every
// directory on the way open without sharing deletion, so none can be renamed or replaced
// while it lists or deletes, and enters none that is a reparse point (link or junction).
#include "win32/win_api.h"

#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <memory>

#include "win32/win32_platform.h"

namespace win32 {

namespace {

struct HandleCloser {
    void operator()(void* handle) const {
        if (handle != INVALID_HANDLE_VALUE && handle != nullptr)
            CloseHandle(handle);
    }
};
using OwnedHandle = std::unique_ptr<void, HandleCloser>;

sys::FileId IdOf(const BY_HANDLE_FILE_INFORMATION& info) {
    return {info.dwVolumeSerialNumber + 1,  // a serial of 0 must not read as unknown
            (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

bool IsGone(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

enum class Reached { kYes, kGone, kChanged, kFailed };

// Opens every directory of the steps in turn and keeps them open in `held`; `path` gets the
// last one's path and `id` its identity.
Reached OpenSteps(std::span<const sys::PathStep> steps, std::vector<OwnedHandle>& held,
                  std::string& path, sys::FileId& id) {
    if (steps.empty())
        return Reached::kFailed;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const std::string& name = steps[i].name;
        if (i == 0) {
            path = name;
        } else {
            if (name.empty() || name == "." || name == ".." ||
                name.find_first_of("\\/:") != std::string::npos)
                return Reached::kChanged;
            if (!path.empty() && path.back() != '\\' && path.back() != '/')
                path += '\\';
            path += name;
        }
        // The root is the user's choice and may be reached through a link of its own.
        const DWORD flags =
            FILE_FLAG_BACKUP_SEMANTICS | (i == 0 ? 0 : FILE_FLAG_OPEN_REPARSE_POINT);
        OwnedHandle directory(CreateFileA(path.c_str(), FILE_READ_ATTRIBUTES,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                          OPEN_EXISTING, flags, nullptr));
        if (directory.get() == INVALID_HANDLE_VALUE)
            return IsGone(GetLastError()) ? Reached::kGone : Reached::kFailed;
        BY_HANDLE_FILE_INFORMATION info{};
        if (!GetFileInformationByHandle(directory.get(), &info))
            return Reached::kFailed;
        if (!(info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
            (i > 0 && (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)))
            return Reached::kChanged;
        id = IdOf(info);
        if (steps[i].id.Known() && steps[i].id != id)
            return Reached::kChanged;
        held.push_back(std::move(directory));
    }
    return Reached::kYes;
}

std::string Child(const std::string& directory, const std::string& name) {
    if (!directory.empty() && directory.back() != '\\' && directory.back() != '/')
        return directory + '\\' + name;
    return directory + name;
}

HWND FocusOwner() {
    HWND focus = GetFocus();
    return focus ? GetAncestor(focus, GA_ROOT) : nullptr;
}

}  // namespace

std::optional<std::uint32_t> Win32Platform::FileAttributes(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return std::nullopt;
    return attributes;
}

bool Win32Platform::SetFileAttributes(const std::string& path, std::uint32_t attributes) {
    return SetFileAttributesA(path.c_str(), attributes) != FALSE;
}

bool Win32Platform::ShellExecuteVerb(const std::string& verb, const std::string& path,
                                     bool contextMenuVerb) {
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = contextMenuVerb ? SEE_MASK_INVOKEIDLIST : 0;
    info.hwnd = FocusOwner();
    info.lpVerb = verb.c_str();
    info.lpFile = path.c_str();
    info.nShow = SW_SHOWNORMAL;
    return ShellExecuteExA(&info) != FALSE;
}

std::optional<std::string> Win32Platform::BrowseForFolder(const std::string& title) {
    BROWSEINFOA info{};
    info.hwndOwner = GetActiveWindow();
    info.lpszTitle = title.c_str();
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderA(&info);
    if (!chosen)
        return std::nullopt;
    char path[MAX_PATH + 1] = {};
    const bool hasPath = SHGetPathFromIDListA(chosen, path) != FALSE;
    CoTaskMemFree(chosen);
    if (!hasPath)
        return std::nullopt;
    return std::string(path);
}

std::optional<sys::DirectoryListing> Win32Platform::ListDirectory(
    std::span<const sys::PathStep> steps, const sys::SizeWanted& /*sized*/) {
    std::vector<OwnedHandle> held;
    std::string path;
    sys::DirectoryListing listing;
    if (OpenSteps(steps, held, path, listing.id) != Reached::kYes)
        return std::nullopt;
    WIN32_FIND_DATAA data{};
    HANDLE find = FindFirstFileA(Child(path, "*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return listing;  // an empty directory
    do {
        const std::string name = data.cFileName;
        if (name == "." || name == "..")
            continue;
        sys::DirectoryEntry entry;
        entry.name = name;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
            entry.kind = sys::EntryKind::kLink;
        } else if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            entry.kind = sys::EntryKind::kDirectory;
        } else {
            entry.kind = sys::EntryKind::kFile;
            entry.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        }
        listing.entries.push_back(std::move(entry));
    } while (FindNextFileA(find, &data));
    FindClose(find);
    // The order NTFS keeps names in (upper-cased), whatever the file system gives.
    const auto upper = [](unsigned char c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; };
    std::sort(listing.entries.begin(), listing.entries.end(),
              [&](const sys::DirectoryEntry& a, const sys::DirectoryEntry& b) {
                  return std::lexicographical_compare(
                      a.name.begin(), a.name.end(), b.name.begin(), b.name.end(),
                      [&](char x, char y) {
                          return upper(static_cast<unsigned char>(x)) <
                                 upper(static_cast<unsigned char>(y));
                      });
              });
    return listing;
}

sys::DeleteOutcome Win32Platform::DeleteListedFile(std::span<const sys::PathStep> steps,
                                                   const std::string& name) {
    std::vector<OwnedHandle> held;
    std::string path;
    sys::FileId id;
    switch (OpenSteps(steps, held, path, id)) {
        case Reached::kYes:
            break;
        case Reached::kGone:
            return sys::DeleteOutcome::kGone;
        case Reached::kChanged:
            return sys::DeleteOutcome::kChanged;
        case Reached::kFailed:
            return sys::DeleteOutcome::kFailed;
    }
    if (name.empty() || name.find_first_of("\\/:") != std::string::npos)
        return sys::DeleteOutcome::kChanged;
    // Opened as itself, never as what a reparse point leads to, and deleted through this
    // handle, so what is checked is what goes.
    OwnedHandle file(
        CreateFileA(Child(path, name).c_str(), DELETE | FILE_READ_ATTRIBUTES,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE)
        return IsGone(GetLastError()) ? sys::DeleteOutcome::kGone : sys::DeleteOutcome::kFailed;
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(file.get(), &info))
        return sys::DeleteOutcome::kFailed;
    if (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))
        return sys::DeleteOutcome::kChanged;
    FILE_DISPOSITION_INFO disposition{};
    disposition.DeleteFile = TRUE;
    if (!SetFileInformationByHandle(file.get(), FileDispositionInfo, &disposition,
                                    sizeof disposition))
        return sys::DeleteOutcome::kFailed;  // read-only or in use: it stays
    return sys::DeleteOutcome::kDeleted;
}

}  // namespace win32
