#include "win32/win32_platform.h"

#include "win32/win_api.h"

#include <shellapi.h>
#include <shlobj.h>

#include <vector>

#include "win32/module_handle.h"
#include "win32/popup_menu_win32.h"
#include "win32/scripted_answers.h"

namespace win32 {

namespace {

// Closes a handle however the function leaves.
class Handle {
  public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() {
        if (handle_ != INVALID_HANDLE_VALUE && handle_)
            CloseHandle(handle_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE Get() const { return handle_; }
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_; }

  private:
    HANDLE handle_;
};

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// Where the path's first directory to create begins: after "X:\" or "\\server\share\".
std::size_t RootLength(const std::string& path) {
    if (path.size() >= 2 && path[1] == ':')
        return path.size() >= 3 && IsSeparator(path[2]) ? 3 : 2;
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        std::size_t separators = 0;
        for (std::size_t i = 2; i < path.size(); ++i) {
            if (IsSeparator(path[i]) && ++separators == 2)
                return i + 1;
        }
        return path.size();
    }
    return path.size() >= 1 && IsSeparator(path[0]) ? 1 : 0;
}

bool IsDirectory(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

int Win32Platform::MessageBox(const std::string& text, const std::string& caption, unsigned style) {
    HWND owner = GetActiveWindow();
    if (owner)
        owner = GetAncestor(owner, GA_ROOT);
    if (suppress_)
        suppress_(true);
    const int answer = MessageBoxA(owner, text.c_str(), caption.c_str(), style);
    if (suppress_)
        suppress_(false);
    if (owner)
        SetActiveWindow(owner);
    return answer;
}

void Win32Platform::Beep() {
    MessageBeep(MB_OK);
}

int Win32Platform::TrackPopupMenu(const ui::PopupMenu& menu) {
    if (const std::optional<int> scripted = ScriptedMenuChoice(menu))
        return *scripted;
    HMENU popup = BuildPopupMenu(menu);
    if (!popup)
        return 0;
    POINT at{};
    GetCursorPos(&at);
    HWND focus = GetFocus();
    HWND owner = focus ? focus : GetActiveWindow();
    const int chosen = static_cast<int>(::TrackPopupMenu(
        popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, at.x, at.y, 0, owner, nullptr));
    DestroyMenu(popup);
    // The menu leaves a hole in the IDE's window until it repaints.
    if (focus)
        UpdateWindow(GetAncestor(focus, GA_ROOT));
    return chosen;
}

void Win32Platform::BeginWaitCursor() {
    HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    if (waitDepth_++ == 0)
        savedCursor_ = previous;
}

void Win32Platform::EndWaitCursor() {
    if (waitDepth_ == 0)
        return;
    if (--waitDepth_ == 0)
        SetCursor(static_cast<HCURSOR>(savedCursor_));
}

std::optional<std::string> Win32Platform::GetEnvironmentVariable(const std::string& name) {
    std::string value(64, '\0');
    for (;;) {
        SetLastError(ERROR_SUCCESS);
        const DWORD length =
            GetEnvironmentVariableA(name.c_str(), value.data(), static_cast<DWORD>(value.size()));
        if (length == 0) {
            if (GetLastError() == ERROR_ENVVAR_NOT_FOUND)
                return std::nullopt;
            return std::string();
        }
        if (length < value.size()) {
            value.resize(length);
            return value;
        }
        value.resize(length);
    }
}

std::optional<std::string> Win32Platform::ReadFile(const std::string& path) {
    Handle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid())
        return std::nullopt;
    std::string bytes;
    char buffer[65536];
    DWORD read = 0;
    while (::ReadFile(file.Get(), buffer, sizeof(buffer), &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    return bytes;
}

std::optional<sys::FileInfo> Win32Platform::FindFirstFile(const std::string& path) {
    WIN32_FIND_DATAA data{};
    HANDLE find = FindFirstFileA(path.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return std::nullopt;
    FindClose(find);
    sys::FileInfo info;
    info.name = data.cFileName;
    info.directory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    info.readOnly = (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    info.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return info;
}

std::optional<std::string> Win32Platform::ModuleFileName() {
    std::string name(MAX_PATH, '\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(ModuleHandle(), name.data(), static_cast<DWORD>(name.size()));
        if (length == 0)
            return std::nullopt;
        if (length < name.size()) {
            name.resize(length);
            return name;
        }
        name.resize(name.size() * 2);
    }
}

std::optional<std::string> Win32Platform::ApplicationDataFolder() {
    char folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder)))
        return std::nullopt;
    return std::string(folder);
}

bool Win32Platform::CopyFileNoOverwrite(const std::string& from, const std::string& to) {
    return CopyFileA(from.c_str(), to.c_str(), TRUE) != FALSE;
}

bool Win32Platform::CreateDirectories(const std::string& path) {
    for (std::size_t i = RootLength(path); i <= path.size(); ++i) {
        if (i == path.size() || IsSeparator(path[i])) {
            const std::string prefix = path.substr(0, i);
            if (!prefix.empty() && !IsSeparator(prefix.back()) && !IsDirectory(prefix))
                CreateDirectoryA(prefix.c_str(), nullptr);
        }
    }
    return IsDirectory(path);
}

// Options, About and Help.

sys::ModuleVersion Win32Platform::ModuleVersionResource() {
    sys::ModuleVersion version;
    const std::optional<std::string> path = ModuleFileName();
    DWORD ignored = 0;
    const DWORD size = path ? GetFileVersionInfoSizeA(path->c_str(), &ignored) : 0;
    if (size == 0)
        return version;
    version.hasResource = true;
    std::vector<char> block(size);
    void* fixed = nullptr;
    UINT length = 0;
    if (!GetFileVersionInfoA(path->c_str(), 0, size, block.data()) ||
        !VerQueryValueA(block.data(), "\\", &fixed, &length) || fixed == nullptr ||
        length < sizeof(VS_FIXEDFILEINFO))
        return version;
    const auto* info = static_cast<const VS_FIXEDFILEINFO*>(fixed);
    version.readable = true;
    version.major = HIWORD(info->dwFileVersionMS);
    version.minor = LOWORD(info->dwFileVersionMS);
    return version;
}

int Win32Platform::ShellOpen(const std::string& target) {
    return static_cast<int>(reinterpret_cast<INT_PTR>(
        ShellExecuteA(nullptr, nullptr, target.c_str(), nullptr, "", SW_SHOWNORMAL)));
}

}  // namespace win32
