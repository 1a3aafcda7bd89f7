// Shows the add-in's popup menu the way the add-in does (the core's menu through the platform's
// TrackPopupMenu) over a plain window, for a screenshot:
//   popup_menu_shot SHOWN ENDED
// SHOWN is written once the menu is on screen. The menu is cancelled when a file named like
// SHOWN with ".release" appended appears, or after a bound, so the program always ends by
// itself; ENDED is written last and holds "ok" or what went wrong.
#include "win32/win_api.h"

#include <cstdio>
#include <string>

#include "host/add_in_menu.h"
#include "win32/module_handle.h"
#include "win32/win32_platform.h"

HMODULE win32::ModuleHandle() {
    return GetModuleHandleW(nullptr);
}

namespace {

constexpr int kWindowX = 20, kWindowY = 20, kWindowWidth = 480, kWindowHeight = 360;
// Where the menu opens; the screenshot check looks just below and right of it.
constexpr int kCursorX = 200, kCursorY = 80;

struct Watch {
    HWND owner = nullptr;
    std::string shown;
    std::string release;
    bool menuSeen = false;
};

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool WriteText(const std::string& path, const std::string& text) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    std::fputs(text.c_str(), file);
    return std::fclose(file) == 0;
}

bool MenuVisible() {
    HWND menu = FindWindowW(L"#32768", nullptr);
    return menu && IsWindowVisible(menu);
}

// TrackPopupMenu's loop owns the main thread, so readiness and the cancel come from here.
DWORD WINAPI WatchMenu(void* parameter) {
    Watch& watch = *static_cast<Watch*>(parameter);
    for (int tries = 0; tries < 200 && !MenuVisible(); ++tries)
        Sleep(50);
    if (MenuVisible()) {
        watch.menuSeen = true;
        Sleep(500);  // lets the first paint finish before the picture is taken
        WriteText(watch.shown, "shown\n");
        for (int tries = 0; tries < 600 && !Exists(watch.release); ++tries)
            Sleep(50);
    }
    // The default window procedure ends the menu its window owns.
    PostMessageW(watch.owner, WM_CANCELMODE, 0, 0);
    return 0;
}

int Run(Watch& watch) {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = L"ZentrelPopupMenuShot";
    if (!RegisterClassW(&windowClass))
        return 3;
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"Zentrel2", WS_OVERLAPPEDWINDOW,
                                  kWindowX, kWindowY, kWindowWidth, kWindowHeight, nullptr, nullptr,
                                  windowClass.hInstance, nullptr);
    if (!window)
        return 4;
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    SetForegroundWindow(window);
    SetFocus(window);
    SetCursorPos(kCursorX, kCursorY);

    watch.owner = window;
    HANDLE watcher = CreateThread(nullptr, 0, WatchMenu, &watch, 0, nullptr);
    if (!watcher)
        return 5;
    win32::Win32Platform platform;
    platform.TrackPopupMenu(host::LoadAddInMenu());
    const bool joined = WaitForSingleObject(watcher, 30000) == WAIT_OBJECT_0;
    CloseHandle(watcher);
    DestroyWindow(window);
    if (!joined)
        return 6;
    return watch.menuSeen ? 0 : 7;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3)
        return 1;
    Watch watch;
    watch.shown = argv[1];
    watch.release = watch.shown + ".release";
    const int result = Run(watch);
    WriteText(argv[2], result == 0 ? "ok\n" : "failed " + std::to_string(result) + "\n");
    return result;
}
